#pragma once
#include "ui/Form.h"

class Tdevmenu : public ui::Form {
 public:
  explicit Tdevmenu(ui::Application& app);
};

extern Tdevmenu* devmenu;
