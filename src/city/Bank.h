#pragma once
// The bank's lobby: a new credit or the repayment of the one outstanding.
// It has no close label; its way out is the exit button, back to travel.
#include "engine/Screen.h"

class Tbank : public Screen {
 public:
  explicit Tbank(ui::Application& app);

  ui::Label* Label1;
  ui::Image* takea;
  ui::Label* takel;
  ui::Image* givea;
  ui::Label* givel;
  ui::Image* exit;
  ui::Label* exitl;

  void FormShow() override;
  void ResetSkins() override;
  void takeaClick();
  void giveaClick();
  void exitClick();

 private:
  SkinSet exitSkins_{"xt"};
};

extern Tbank* bank;
