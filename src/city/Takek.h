#pragma once
// The withdrawal from the savings box: an amount typed in digits goes from
// the box into the cash. Closing it goes back to the savings box.
#include "engine/Frame.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Ttakek : public ui::Form {
 public:
  explicit Ttakek(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Label* Label1;
  ui::Label* kopilka;
  ui::Label* Label2;
  ui::Label* money;
  ui::Label* Label3;
  ui::Edit* count;
  ui::Image* take;
  ui::Label* takel;

  void FormCreate();
  void FormShow();
  void takeClick();
  void closeClick();

 private:
  SkinSet skins_{"main"};
};

extern Ttakek* takek;
