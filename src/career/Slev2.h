#pragma once
#include "ui/Form.h"

class Tstudy2 : public ui::Form {
 public:
  explicit Tstudy2(ui::Application& app);
};

extern Tstudy2* study2;
