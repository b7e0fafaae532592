#pragma once
// The city pharmacy: medicines that raise the player's health. Closing it
// goes back to travel.
#include "ui/Form.h"
#include "ui/Label.h"

class Tapteka : public ui::Form {
 public:
  explicit Tapteka(ui::Application& app);

  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern Tapteka* apteka;
