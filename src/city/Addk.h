#pragma once
// The deposit into the savings box: an amount typed in digits goes from the
// cash into the box. Closing it goes back to the savings box.
#include "engine/Frame.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Taddk : public ui::Form {
 public:
  explicit Taddk(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Label* lla;
  ui::Label* kopilka;
  ui::Label* Label2;
  ui::Label* money;
  ui::Label* Label1;
  ui::Edit* count;
  ui::Image* add;
  ui::Label* addl;

  void FormCreate();
  void FormShow();
  void addClick();
  void closeClick();

 private:
  SkinSet skins_{"main"};
};

extern Taddk* addk;
