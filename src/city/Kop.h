#pragma once
#include "ui/Form.h"

class Tkop : public ui::Form {
 public:
  explicit Tkop(ui::Application& app);
};

extern Tkop* kop;
