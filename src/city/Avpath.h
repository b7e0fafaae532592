#pragma once
// The car market: the driving school and the car purchase, open from the
// year 2007. Closing it goes back to travel.
#include "engine/Screen.h"

class Tavpath : public Screen {
 public:
  explicit Tavpath(ui::Application& app);

  ui::Label* a;
  ui::Image* can;
  ui::Label* canl;
  ui::Image* car;
  ui::Label* carl;

  void FormShow() override;
  void canClick();
  void carClick();
  void closeClick() override;
};

extern Tavpath* avpath;
