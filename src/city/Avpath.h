#pragma once
// The car market: the driving school and the car purchase, open from the
// year 2007. Closing it goes back to travel.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tavpath : public ui::Form {
 public:
  explicit Tavpath(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Label* a;
  ui::Image* can;
  ui::Label* canl;
  ui::Image* car;
  ui::Label* carl;

  void FormCreate();
  void FormShow();
  void ResetSkins() { skins_.Reset(); }
  void canClick();
  void carClick();
  void closeClick();

 private:
  SkinSet skins_{"menu"};
};

extern Tavpath* avpath;
