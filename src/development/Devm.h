#pragma once
// The development menu, the start of the road to a game of one's own: a new
// project, and the list of the games finished so far. Closing it goes back to
// the game.
#include "engine/Screen.h"
#include "ui/ListBox.h"

class Tdevmenu : public Screen {
 public:
  explicit Tdevmenu(ui::Application& app);

  ui::Image* newp;
  ui::Label* newpl;
  ui::Label* Label1;
  ui::ListBox* made;

  void FormShow() override;
  void newpClick();
};

extern Tdevmenu* devmenu;
