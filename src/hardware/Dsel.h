#pragma once
#include "ui/Form.h"

class Tdevsel : public ui::Form {
 public:
  explicit Tdevsel(ui::Application& app);
};

extern Tdevsel* devsel;
