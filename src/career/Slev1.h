#pragma once
#include "ui/Form.h"

class Tstudy1 : public ui::Form {
 public:
  explicit Tstudy1(ui::Application& app);
};

extern Tstudy1* study1;
