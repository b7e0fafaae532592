#pragma once
// The driving school: a course paid once that runs on game days, a step a
// day while the game runs, and ends with the driving licence. Closing it
// goes back to the car market.
#include "engine/Screen.h"
#include "ui/Gauge.h"
#include "ui/Timer.h"

class TcanCar : public Screen {
 public:
  explicit TcanCar(ui::Application& app);

  ui::Label* price;
  ui::Label* time;
  ui::Label* ad;
  ui::Label* add;
  ui::Image* start;
  ui::Label* startl;
  ui::Gauge* pos;
  ui::Timer* timer;
  // A course is running; the game screen's pause and resume follow it.
  bool Learning = false;

  void FormCreate() override;
  void startClick();
  void timerTimer();
};

extern TcanCar* canCar;
