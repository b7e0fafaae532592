#pragma once
// The car market: the driving school and the car purchase. Closing it goes
// back to travel.
#include "ui/Form.h"
#include "ui/Label.h"

class Tavpath : public ui::Form {
 public:
  explicit Tavpath(ui::Application& app);

  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern Tavpath* avpath;
