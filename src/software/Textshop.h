#pragma once
#include "ui/Form.h"

class Ttextshop : public ui::Form {
 public:
  explicit Ttextshop(ui::Application& app);
};

extern Ttextshop* textshop;
