#pragma once
// The night club's entrance: the fee that lets the player into the disco.
// Closing it goes back to travel.
#include "ui/Form.h"
#include "ui/Label.h"

class Tsetka : public ui::Form {
 public:
  explicit Tsetka(ui::Application& app);

  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern Tsetka* setka;
