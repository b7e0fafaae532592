#pragma once
// The car purchase: a car for 13000, for a player with a driving licence.
// Closing it goes back to the car market.
#include "engine/Screen.h"

class Tcbuy : public Screen {
 public:
  explicit Tcbuy(ui::Application& app);

  ui::Label* Label1;
  ui::Label* Label2;
  ui::Label* Label3;
  ui::Image* buy;
  ui::Label* buyl;

  void FormShow() override { ResetSkins(); }
  void buyClick();
  void closeClick() override;
};

extern Tcbuy* cbuy;
