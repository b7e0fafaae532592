#pragma once
#include "ui/Form.h"

class Tdevset : public ui::Form {
 public:
  explicit Tdevset(ui::Application& app);
};

extern Tdevset* devset;
