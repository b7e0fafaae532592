#pragma once
#include "ui/Form.h"

class Tfwork : public ui::Form {
 public:
  explicit Tfwork(ui::Application& app);
};

extern Tfwork* fwork;
