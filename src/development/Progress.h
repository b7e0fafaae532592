#pragma once
// The progress of the development run: the game's name and how much of it
// is done. The run itself goes on on the game screen, while time passes.
#include "engine/Screen.h"
#include "ui/ProgressBar.h"

class TdevProgress : public Screen {
 public:
  explicit TdevProgress(ui::Application& app);

  ui::Label* name;
  ui::ProgressBar* bar;
  ui::Label* percent;
  ui::Label* left;  // the game days the run still takes

  // Shows the game screen's run as it stands.
  void Draw();
  void FormShow() override { Draw(); }
};

extern TdevProgress* devProgress;
