#include "city/Sanatory.h"

#include "city/Travel.h"
#include "engine/Class.h"

Tsanatory* sanatory = nullptr;

namespace {
constexpr int kWidth = 360;
}  // namespace

Tsanatory::Tsanatory(ui::Application& app) : Screen(app, {kWidth, 250, "Санаторий", "menu", "X", frame::Back(travel)}) {
  ins = frame::MakeLabel(this, "ins", 10, 24,
                         "Поездка в санаторий стоит 1200 рублей, но при этом у Вас восстановится все здоровье, т.е. "
                         "оно будет равно 100%, также и настроение станет максимальным. В санатории Вы будете "
                         "находится 1 месяц. С институтом (работой) будет подписан договор об отпуске.");
  ins->AutoSize = false;
  ins->WordWrap = true;
  ins->SetBounds(10, 24, kWidth - 20, 130);
  Label1 = frame::MakeLabel(this, "Label1", 10, 162, "В санаторий можно ездить 1 раз в год.");

  AddButtons<Tsanatory>({{&Tsanatory::go,
                          &Tsanatory::gol,
                          {"go", (kWidth - 220) / 2, 196, 220, 37, "Поехать в санаторий"},
                          &Tsanatory::goClick}});
  DragBy({ins, Label1});
}

// Paid or refused, the button rests until the clock's next new year.
void Tsanatory::goClick() {
  engine->PlayClickSound();
  engine->GoToSanatorium();
  go->Enabled = false;
  gol->Enabled = false;
}
