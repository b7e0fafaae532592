#pragma once
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

class Tlines : public ui::Form {
 public:
  explicit Tlines(ui::Application& app);

  ui::ProgressBar* line;  // the bar to keep up, 0 to 100
  ui::Label* t;           // the countdown
  ui::Timer* time;        // drains the bar
  ui::Timer* ttime;       // counts down
};

extern Tlines* lines;
