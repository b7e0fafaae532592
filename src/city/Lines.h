#pragma once
// The mini-game "hold the bar": keep the draining bar above zero until the
// countdown has run out. Closing it goes back to the game, which runs again.
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

class Tlines : public ui::Form {
 public:
  explicit Tlines(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::ProgressBar* line;  // the bar to keep up, 0 to 100
  ui::Label* t;           // the countdown
  ui::Timer* time;        // drains the bar
  ui::Timer* ttime;       // counts down

  void closeClick();
};

extern Tlines* lines;
