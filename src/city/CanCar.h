#pragma once
// The driving school: a course paid once that runs on game days, a step a
// day while the game runs, and ends with the driving licence. Closing it
// goes back to the car market.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Gauge.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Timer.h"

class TcanCar : public ui::Form {
 public:
  explicit TcanCar(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
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

  void FormCreate();
  void ResetSkins() { skins_.Reset(); }
  void startClick();
  void timerTimer();
  void closeClick();

 private:
  SkinSet skins_{"menu"};
};

extern TcanCar* canCar;
