#pragma once
// The withdrawal from the savings box: an amount typed in digits goes from
// the box into the cash. Closing it goes back to the savings box.
#include "engine/Screen.h"
#include "ui/Edit.h"

class Ttakek : public Screen {
 public:
  explicit Ttakek(ui::Application& app);

  ui::Label* Label1;
  ui::Label* kopilka;
  ui::Label* Label2;
  ui::Label* money;
  ui::Label* Label3;
  ui::Edit* count;
  ui::Image* take;
  ui::Label* takel;

  void FormShow() override;
  void takeClick();
};

extern Ttakek* takek;
