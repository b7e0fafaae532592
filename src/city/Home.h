#pragma once
// The real-estate agency, where the player changes flats. Closing it goes
// back to travel.
#include "ui/Form.h"
#include "ui/Label.h"

class Thome : public ui::Form {
 public:
  explicit Thome(ui::Application& app);

  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern Thome* home;
