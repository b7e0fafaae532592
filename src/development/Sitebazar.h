#pragma once
// The exhibition site: once its page has loaded (slowly on the dial-up
// line), it lists the player's finished games with their prices; a game
// chosen there goes to the sale window. Closing it goes back to the browser.
#include "engine/Screen.h"
#include "ui/Button.h"
#include "ui/ListBox.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

class TsBazar : public Screen {
 public:
  explicit TsBazar(ui::Application& app);

  ui::Label* status;
  ui::ProgressBar* load;
  ui::ListBox* list;
  ui::Button* sell;
  ui::Timer* timer;  // the page loading

  void FormShow() override;
  void timerTimer();
  void sellClick();
  void closeClick() override;
};

extern TsBazar* sBazar;
