#pragma once
// The sale of a finished game from the exhibition site: the game and its
// price; selling it brings the money and takes it off the site.
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"

class TssgBuy : public ui::Form {
 public:
  explicit TssgBuy(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Label* game;
  ui::Label* price;
  ui::Button* buy;
  ui::Button* cancel;

  // The game at this place of the list of games for sale.
  int Index = -1;

  void Offer(int index);
  void buyClick();
  void closeClick();
};

extern TssgBuy* ssgBuy;
