#pragma once
// The development menu, the start of the road to a game of one's own: a new
// project, and the list of the games finished so far. Closing it goes back to
// the game.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ListBox.h"

class Tdevmenu : public ui::Form {
 public:
  explicit Tdevmenu(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Image* newp;
  ui::Label* newpl;
  ui::Label* Label1;
  ui::ListBox* made;

  void FormShow();
  void newpClick();
  void closeClick();
  const SkinSet& Skins() const { return skins_; }

 private:
  SkinSet skins_{"farm"};
};

extern Tdevmenu* devmenu;
