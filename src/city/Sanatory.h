#pragma once
// The sanatorium: once a year, a month's stay that restores health and mood.
// Closing it goes back to travel; after a paid stay the game runs while the
// player is here, and leaving does not stop it.
#include "engine/Screen.h"

class Tsanatory : public Screen {
 public:
  explicit Tsanatory(ui::Application& app);

  ui::Label* ins;
  ui::Label* Label1;
  ui::Image* go;
  ui::Label* gol;

  void goClick();
};

extern Tsanatory* sanatory;
