#pragma once
// Job search: the offers open to the player's education. Closing it goes
// back to the game.
#include "ui/Form.h"
#include "ui/Label.h"

class Tfwork : public ui::Form {
 public:
  explicit Tfwork(ui::Application& app);

  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern Tfwork* fwork;
