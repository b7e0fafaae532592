#include "city/CanCar.h"

TcanCar* canCar = nullptr;

TcanCar::TcanCar(ui::Application& app) : ui::Form(app) {
  timer = new ui::Timer(this);
  timer->Enabled = false;
  timer->Interval = 1500;
}
