#pragma once
// The bank's repayment window: the debt and its deadline, and the one
// payment that clears it. Opened from the lobby, or forced by the deadline
// watch, when it can only be left by paying.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tgive : public ui::Form {
 public:
  explicit Tgive(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
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

  void FormCreate();
  void FormShow();
  void ResetSkins() { skins_.Reset(); }
  void okClick();
  void closeClick();

 private:
  SkinSet skins_{"case"};
};

extern Tgive* give;
