#pragma once
// The character sheet: who the player is, and the door to the skills, the
// advanced skills and the savings box. Closing it goes back to the game.
#include "ui/Form.h"
#include "ui/Label.h"

class Tperson : public ui::Form {
 public:
  explicit Tperson(ui::Application& app);

  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern Tperson* person;
