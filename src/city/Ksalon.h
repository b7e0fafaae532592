#pragma once
#include "ui/Form.h"

class Tksalon : public ui::Form {
 public:
  explicit Tksalon(ui::Application& app);
};

extern Tksalon* ksalon;
