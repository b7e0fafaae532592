#pragma once
#include "ui/Form.h"

class Tinst : public ui::Form {
 public:
  explicit Tinst(ui::Application& app);
};

extern Tinst* inst;
