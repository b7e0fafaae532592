#pragma once
// The advanced-skills window. Closing it goes back to the character sheet.
#include "ui/Form.h"
#include "ui/Label.h"

class TdevSkill : public ui::Form {
 public:
  explicit TdevSkill(ui::Application& app);

  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern TdevSkill* devSkill;
