#pragma once
#include "ui/Form.h"

class Tprset : public ui::Form {
 public:
  explicit Tprset(ui::Application& app);
};

extern Tprset* prset;
