#pragma once
#include "ui/Form.h"

class Tosshop : public ui::Form {
 public:
  explicit Tosshop(ui::Application& app);
};

extern Tosshop* osshop;
