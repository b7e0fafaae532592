#pragma once
// The bank's repayment window: the debt and its deadline, and the one
// payment that clears it. Opened from the lobby, or forced by the deadline
// watch, when it can only be left by paying.
#include "engine/Screen.h"

class Tgive : public Screen {
 public:
  explicit Tgive(ui::Application& app);

  ui::Label* Label1;
  ui::Label* lab;
  ui::Label* Label2;
  ui::Label* size;
  ui::Label* Label3;
  ui::Label* srok;
  ui::Image* ok;
  ui::Label* okl;
  // The window was opened by the deadline watch.
  bool Forced = false;

  void FormShow() override;
  void okClick();
  void closeClick() override;
};

extern Tgive* give;
