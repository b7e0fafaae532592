#pragma once
// The kind of game: 2D, or 3D (half as long again to make, and half as
// dear again to sell).
#include "development/Choice.h"
#include "ui/Image.h"

class Tgameset : public ChoiceScreen {
 public:
  explicit Tgameset(ui::Application& app);

  ui::Image* g2d;
  ui::Label* g2dl;
  ui::Image* g3d;
  ui::Label* g3dl;

  void g2dClick();
  void g3dClick();

 private:
  void Choose(const char* graphics);
};

extern Tgameset* gameset;
