#pragma once
// The kind of project: a game, or a design document written over some days
// while the development button rests.
#include "development/Choice.h"
#include "ui/Image.h"

class Tprset : public ChoiceScreen {
 public:
  explicit Tprset(ui::Application& app);

  ui::Image* game;
  ui::Label* gamel;
  ui::Image* ddoc;
  ui::Label* ddocl;

  void gameClick();
  void ddocClick();
};

extern Tprset* prset;
