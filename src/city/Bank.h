#pragma once
// The bank's lobby: a new credit or the repayment of the one outstanding.
// It has no close label; its way out is the exit button, back to travel.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tbank : public ui::Form {
 public:
  explicit Tbank(ui::Application& app);

  ui::Label* top;
  ui::Label* Label1;
  ui::Image* takea;
  ui::Label* takel;
  ui::Image* givea;
  ui::Label* givel;
  ui::Image* exit;
  ui::Label* exitl;

  void FormCreate();
  void FormShow();
  void ResetSkins();
  void takeaClick();
  void giveaClick();
  void exitClick();

 private:
  SkinSet skins_{"bnk"};
  SkinSet exitSkins_{"xt"};
};

extern Tbank* bank;
