#pragma once
// The computer club: an hour of play for mood and some education. Closing
// it goes back to travel.
#include "ui/Form.h"
#include "ui/Label.h"

class Tksalon : public ui::Form {
 public:
  explicit Tksalon(ui::Application& app);

  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern Tksalon* ksalon;
