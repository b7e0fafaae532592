#pragma once
// The car purchase: a car for 13000, for a player with a driving licence.
// Closing it goes back to the car market.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tcbuy : public ui::Form {
 public:
  explicit Tcbuy(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Label* Label1;
  ui::Label* Label2;
  ui::Label* Label3;
  ui::Image* buy;
  ui::Label* buyl;

  void FormCreate();
  void FormShow();
  void ResetSkins() { skins_.Reset(); }
  void buyClick();
  void closeClick();

 private:
  SkinSet skins_{"menu"};
};

extern Tcbuy* cbuy;
