#include "city/Setka.h"

#include "city/Inclub.h"
#include "city/Play.h"
#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Tsetka* setka = nullptr;

namespace {
// Wide enough for the club's name in its 35-pixel face, or in the face that
// stands in for it.
constexpr int kWidth = 420;
constexpr uint32_t kFee = 350;
}  // namespace

Tsetka::Tsetka(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 214);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Ночной клуб");
  close = frame::MakeCloseLabel(this, "X", kWidth - 15);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  logo = frame::MakeLabel(this, "logo", 0, 28, "Night Club \"Diablo\"");
  logo->Font.Name = "Monotype Corsiva";
  logo->Font.Size = 35;
  logo->Font.Style = ui::fsBold | ui::fsItalic;
  logo->Font.Color = ui::clRed;
  logo->AutoSize = false;
  logo->SetBounds(0, 28, kWidth, 52);
  logo->Alignment = ui::Alignment::Center;
  comment = frame::MakeLabel(this, "comment", 16, 88,
                             "Вход в ночной клуб стоит 350 руб. Чем больше Вы проведете там времени, тем больше "
                             "получите настроения.");
  comment->AutoSize = false;
  comment->WordWrap = true;
  comment->SetBounds(16, 88, kWidth - 32, 54);

  const frame::Button made = frame::MakeButton(
      this, &skins_, {"go", (kWidth - 220) / 2, 156, 220, 37, "Войти в ночной клуб"}, [this] { goClick(); });
  go = made.picture, gol = made.label;

  auto reset = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  for (ui::Control* c : std::initializer_list<ui::Control*>{this, top, logo, comment}) {
    frame::BindDrag(c);
    c->OnMouseMove = reset;
  }
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tsetka::FormCreate() {
  DoubleBuffered = true;
  skins_.Reset();
}

// No click sound here: the door makes none.
void Tsetka::goClick() {
  if (static_cast<uint32_t>(engine->Money) <= kFee) {
    engine->ShowInfoMessage("У Вас недостаточно денег для входа в клуб!");
    return;
  }
  // The music is made ready before the fee is taken: with nothing to play
  // the club turns the player away and keeps the money where it is.
  if (!inclub->PrepareVisit()) {
    engine->ShowInfoMessage("Дискотека сегодня закрыта: нет музыки.");
    return;
  }
  engine->Money = static_cast<int>(static_cast<uint32_t>(engine->Money) - kFee);
  menu->money->Caption = labels::Unsigned(engine->Money);
  inclub->Show();
  Hide();
}

void Tsetka::closeClick() {
  engine->PlayCloseSound();
  Hide();
  travel->Show();
}
