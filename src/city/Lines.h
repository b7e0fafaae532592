#pragma once
// The mini-game "hold the bar": keep the draining bar above zero until the
// countdown has run out. A win adds mood and makes the next game faster, a
// loss takes mood. Closing it before the first click goes back to the game.
#include "engine/Screen.h"
#include "ui/Panel.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

class Tlines : public Screen {
 public:
  explicit Tlines(ui::Application& app);

  ui::Label* inst;
  ui::Panel* panel;       // where the player clicks
  ui::ProgressBar* line;  // the bar to keep up, 0 to 100
  ui::Label* t;           // the countdown
  ui::Timer* time;        // drains the bar; its interval is the difficulty
  ui::Timer* ttime;       // counts down

  void FormCreate() override;
  void panelClick();
  void timeTimer();
  void ttimeTimer();
  void closeClick() override;
};

extern Tlines* lines;
