#pragma once
// The development menu, the start of the road to a game of one's own.
// Closing it goes back to the game.
#include "ui/Form.h"
#include "ui/Label.h"

class Tdevmenu : public ui::Form {
 public:
  explicit Tdevmenu(ui::Application& app);

  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern Tdevmenu* devmenu;
