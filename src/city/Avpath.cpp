#include "city/Avpath.h"

#include "city/CanCar.h"
#include "city/Cbuy.h"
#include "city/Play.h"
#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Tavpath* avpath = nullptr;

Tavpath::Tavpath(ui::Application& app) : Screen(app, {300, 150, "Авто рынок", "menu", "X", frame::Back(travel)}) {
  a = frame::MakeLabel(this, "a", 0, 26, "Вам должно быть не меньше 18 лет");
  a->PlaceBySize([](ui::Label& l) { l.Left = (300 - l.Width) / 2; });
  AddButtons<Tavpath>({
      {&Tavpath::can, &Tavpath::canl, {"can", 40, 52, 220, 37, "Обучение на права"}, &Tavpath::canClick},
      {&Tavpath::car, &Tavpath::carl, {"car", 40, 98, 220, 37, "Покупка автомобиля"}, &Tavpath::carClick},
  });
  frame::SetEnabled({can, canl, car, carl}, false);
  DragBy({a});
}

// Closed before 2007; then the school until the licence, the cars after it.
void Tavpath::FormShow() {
  constexpr int kOpeningYear = 2007;
  const int year = labels::ReadCount(menu->year);
  if (year < kOpeningYear) {
    frame::SetEnabled({car, carl, can, canl}, false);
    a->Visible = true;
    return;
  }
  a->Visible = false;
  frame::SetEnabled({car, carl}, engine->CanCar);
  frame::SetEnabled({can, canl}, !engine->CanCar);
}

void Tavpath::canClick() { frame::ShowThenHide(this, canCar); }
void Tavpath::carClick() { frame::ShowThenHide(this, cbuy); }

// The market shows travel before it hides.
void Tavpath::closeClick() {
  engine->PlayCloseSound();
  travel->Show();
  Hide();
}
