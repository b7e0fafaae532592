#pragma once
#include "ui/Form.h"

class Tdevkomp : public ui::Form {
 public:
  explicit Tdevkomp(ui::Application& app);
};

extern Tdevkomp* devkomp;
