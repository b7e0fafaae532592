#pragma once
#include "ui/Form.h"

class TdevSkill : public ui::Form {
 public:
  explicit TdevSkill(ui::Application& app);
};

extern TdevSkill* devSkill;
