#pragma once
#include "ui/Form.h"

class Tskills : public ui::Form {
 public:
  explicit Tskills(ui::Application& app);
};

extern Tskills* skills;
