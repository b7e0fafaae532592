#pragma once
#include "ui/Form.h"

class Tkshop : public ui::Form {
 public:
  explicit Tkshop(ui::Application& app);
};

extern Tkshop* kshop;
