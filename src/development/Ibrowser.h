#pragma once
// The browser: online on the line of the installed modem, billed by the
// second; the way to the exhibition site. Closing it hangs up and charges
// the bill, or ends the game when the money cannot pay it.
#include <cstdint>

#include "engine/Screen.h"
#include "ui/Timer.h"

class Tbrowser : public Screen {
 public:
  explicit Tbrowser(ui::Application& app);

  ui::Label* address;
  ui::Label* welcome;
  ui::Label* line;
  ui::Label* billl;
  ui::Image* site;
  ui::Label* sitel;
  ui::Timer* timer;  // the bill: one rouble a tick

  // Roubles owed for this connection so far.
  uint32_t Bill = 0;

  // Whether the installed modem is the dial-up one (the slow line).
  static bool SlowLine();
  // Starts the bill timer at the line's pace.
  void Connect();
  void timerTimer();
  void siteClick();
  void closeClick() override;

 private:
  void ShowBill();
};

extern Tbrowser* browser;
