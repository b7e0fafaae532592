#pragma once
// The university's level chooser. Closing it goes back to the game.
#include "ui/Form.h"
#include "ui/Label.h"

class Tteach_lev : public ui::Form {
 public:
  explicit Tteach_lev(ui::Application& app);

  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern Tteach_lev* teach_lev;
