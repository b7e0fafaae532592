#include "software/Game.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "software/Setupedsoft.h"

Tgames* games = nullptr;

Tgames::Tgames(ui::Application& app) : Screen(app, {262, 290, "Игры", "main", "X", frame::Back(ssoft)}) {
  using S = Tgames;
  top->OnMouseMove = nullptr;  // the title strip leaves the skins alone
  Label1 = frame::MakeLabel(this, "Label1", 16, 26, "Установленные игры:");
  DragBy({Label1});
  list = frame::MakeList(this, "list", 16, 46, 230, 180);
  list->OnDblClick = [this](ui::Control&) { playClick(); };

  AddButtons<S>({
      {&S::play, &S::playl, {"play", 56, 240, 150, 37, "Играть", frame::CaptionPlace::Centred}, &S::playClick},
  });
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
