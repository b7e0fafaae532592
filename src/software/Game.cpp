#include "software/Game.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "software/Setupedsoft.h"

Tgames* games = nullptr;

Tgames::Tgames(ui::Application& app) : ui::Form(app) {
  SetClientSize(262, 290);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Игры");
  close = frame::MakeCloseLabel(this, "X", 247);
  Label1 = frame::MakeLabel(this, "Label1", 16, 26, "Установленные игры:");
  frame::BindDrag(Label1);
  list = new ui::ListBox(this);
  list->Name = "list";
  list->SetBounds(16, 46, 230, 180);
  list->Color = ui::clBlack;
  list->Font.Color = ui::clWhite;

  const frame::Button button = frame::MakeButton(
      this, &skins_, {"play", 56, 240, 150, 37, "Играть", frame::CaptionPlace::Centred}, [this] { playClick(); });
  play = button.picture;
  playl = button.label;

  list->OnDblClick = [this](ui::Control&) { playClick(); };
  close->OnClick = [this](ui::Control&) { closeClick(); };
  frame::BindDrag(this);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tgames::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

// Playing lifts the mood once per game day; the game stays paused meanwhile.
void Tgames::playClick() {
  engine->PlayClickSound();
  const int i = list->ItemIndex;
  if (i < 0 || i >= list->Items.Count()) return;
  const std::string today = menu->day->Caption() + " " + menu->month->Caption() + " " + menu->year->Caption();
  if (today == lastPlayed_) {
    engine->ShowInfoMessage("Сегодня Вы уже играли! Поиграть снова можно будет завтра.");
    return;
  }
  lastPlayed_ = today;
  engine->AddMood(10);
  engine->ShowInfoMessage("Вы поиграли в " + list->Items[i] + ". Настроение улучшилось!");
}

void Tgames::closeClick() {
  engine->PlayCloseSound();
  Hide();
  ssoft->Show();
}
