#pragma once
#include "ui/Form.h"
#include "ui/Timer.h"

class TcanCar : public ui::Form {
 public:
  explicit TcanCar(ui::Application& app);

  ui::Timer* timer;
  bool Learning = false;
};

extern TcanCar* canCar;
