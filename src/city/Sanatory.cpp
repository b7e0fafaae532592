#include "city/Sanatory.h"

#include "city/Travel.h"
#include "engine/Class.h"

Tsanatory* sanatory = nullptr;

namespace {
constexpr int kWidth = 360;
}  // namespace

Tsanatory::Tsanatory(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 250);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Санаторий");
  close = frame::MakeCloseLabel(this, "X", kWidth - 15);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  ins = frame::MakeLabel(this, "ins", 10, 24,
                         "Поездка в санаторий стоит 1200 рублей, но при этом у Вас восстановится все здоровье, т.е. "
                         "оно будет равно 100%, также и настроение станет максимальным. В санатории Вы будете "
                         "находится 1 месяц. С институтом (работой) будет подписан договор об отпуске.");
  ins->AutoSize = false;
  ins->WordWrap = true;
  ins->SetBounds(10, 24, kWidth - 20, 130);
  Label1 = frame::MakeLabel(this, "Label1", 10, 162, "В санаторий можно ездить 1 раз в год.");

  const frame::Button button = frame::MakeButton(
      this, &skins_, {"go", (kWidth - 220) / 2, 196, 220, 37, "Поехать в санаторий"}, [this] { goClick(); });
  go = button.picture;
  gol = button.label;

  for (ui::Control* handle : std::initializer_list<ui::Control*>{this, top, ins, Label1}) frame::BindDrag(handle);
  for (ui::Control* reset : std::initializer_list<ui::Control*>{this, top}) {
    reset->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  }
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tsanatory::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

// Paid or refused, the button rests until the clock's next new year.
void Tsanatory::goClick() {
  engine->PlayClickSound();
  engine->GoToSanatorium();
  go->Enabled = false;
  gol->Enabled = false;
}

// After a paid stay the game runs while the player is here; leaving does
// not stop it.
void Tsanatory::closeClick() {
  engine->PlayCloseSound();
  Hide();
  travel->Show();
}
