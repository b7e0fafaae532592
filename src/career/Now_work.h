#pragma once
#include "ui/Form.h"

class Tnwork : public ui::Form {
 public:
  explicit Tnwork(ui::Application& app);
};

extern Tnwork* nwork;
