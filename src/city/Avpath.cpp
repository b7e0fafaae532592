#include "city/Avpath.h"

#include "city/CanCar.h"
#include "city/Cbuy.h"
#include "city/Play.h"
#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Tavpath* avpath = nullptr;

namespace {
constexpr int kWidth = 300;
constexpr int kOpeningYear = 2007;
}  // namespace

Tavpath::Tavpath(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 150);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Авто рынок");
  close = frame::MakeCloseLabel(this, "X", kWidth - 15);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  a = frame::MakeLabel(this, "a", 0, 26, "Вам должно быть не меньше 18 лет");
  a->PlaceBySize([](ui::Label& l) { l.Left = (kWidth - l.Width) / 2; });

  const frame::Button school = frame::MakeButton(
      this, &skins_, {"can", (kWidth - 220) / 2, 52, 220, 37, "Обучение на права"}, [this] { canClick(); });
  can = school.picture;
  canl = school.label;
  const frame::Button purchase = frame::MakeButton(
      this, &skins_, {"car", (kWidth - 220) / 2, 98, 220, 37, "Покупка автомобиля"}, [this] { carClick(); });
  car = purchase.picture;
  carl = purchase.label;
  for (ui::Control* c : std::initializer_list<ui::Control*>{can, canl, car, carl}) c->Enabled = false;

  for (ui::Control* handle : std::initializer_list<ui::Control*>{this, top, a}) frame::BindDrag(handle);
  for (ui::Control* reset : std::initializer_list<ui::Control*>{this, top}) {
    reset->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  }
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Tavpath::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

// Closed before 2007; then the school until the licence, the cars after it.
void Tavpath::FormShow() {
  const int year = labels::ReadCount(menu->year);
  if (year < kOpeningYear) {
    for (ui::Control* c : std::initializer_list<ui::Control*>{car, carl, can, canl}) c->Enabled = false;
    a->Visible = true;
    return;
  }
  a->Visible = false;
  car->Enabled = engine->CanCar;
  carl->Enabled = engine->CanCar;
  can->Enabled = !engine->CanCar;
  canl->Enabled = !engine->CanCar;
}

void Tavpath::canClick() {
  engine->PlayClickSound();
  canCar->Show();
  Hide();
}

void Tavpath::carClick() {
  engine->PlayClickSound();
  cbuy->Show();
  Hide();
}

void Tavpath::closeClick() {
  engine->PlayCloseSound();
  travel->Show();
  Hide();
}
