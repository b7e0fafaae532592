#pragma once
#include "ui/Form.h"

class Tsoftsel : public ui::Form {
 public:
  explicit Tsoftsel(ui::Application& app);
};

extern Tsoftsel* softsel;
