#pragma once
// The bank's lobby: credit and repayment. It has no close label; its way out
// is the exit button, which goes back to travel.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tbank : public ui::Form {
 public:
  explicit Tbank(ui::Application& app);

  ui::Label* top;
  ui::Image* exit;
  ui::Label* exitl;

  void FormCreate();
  void ResetSkins() { exitSkins_.Reset(); }
  void exitClick();

 private:
  SkinSet exitSkins_{"xt"};
};

extern Tbank* bank;
