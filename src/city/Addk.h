#pragma once
// The deposit into the savings box: an amount typed in digits goes from the
// cash into the box. Closing it goes back to the savings box.
#include "engine/Screen.h"
#include "ui/Edit.h"

class Taddk : public Screen {
 public:
  explicit Taddk(ui::Application& app);

  ui::Label* lla;
  ui::Label* kopilka;
  ui::Label* Label2;
  ui::Label* money;
  ui::Label* Label1;
  ui::Edit* count;
  ui::Image* add;
  ui::Label* addl;

  void FormShow() override;
  void addClick();
  void closeClick() override;
};

extern Taddk* addk;
