#pragma once
// The night club's entrance: the fee that lets the player into the disco.
// Closing it goes back to travel.
#include "engine/Screen.h"

class Tsetka : public Screen {
 public:
  explicit Tsetka(ui::Application& app);

  ui::Label* logo;
  ui::Label* comment;
  ui::Image* go;
  ui::Label* gol;

  void goClick();
};

extern Tsetka* setka;
