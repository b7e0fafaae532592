#pragma once
// The bank's credit window: from 1 to 10000 roubles at 30 % on whole
// hundreds, due five months on. Its deadline watch runs on every screen once
// a credit is taken and forces the repayment window on the player when the
// day comes.
#include "engine/Screen.h"
#include "ui/Edit.h"
#include "ui/Timer.h"

class Ttake : public Screen {
 public:
  explicit Ttake(ui::Application& app);

  ui::Label* Label1;
  ui::Label* Label2;
  ui::Label* Label3;
  ui::Label* Label4;
  ui::Label* Label5;
  ui::Label* Label6;
  ui::Label* Label7;
  ui::Label* Label8;
  ui::Label* Label9;
  ui::Edit* size;
  ui::Label* srok;
  ui::Image* ok;
  ui::Label* okl;
  ui::Timer* btime;

  void sizeKeyPress(char32_t& key);
  void sizeChange();
  void okClick();
  void closeClick() override;
  void btimeTimer();
};

extern Ttake* take;
