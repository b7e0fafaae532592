#pragma once
// The sale of a finished game from the exhibition site: the game and its
// price; selling it brings the money and takes it off the site.
#include "engine/Screen.h"
#include "ui/Button.h"

class TssgBuy : public Screen {
 public:
  explicit TssgBuy(ui::Application& app);

  ui::Label* game;
  ui::Label* price;
  ui::Button* buy;
  ui::Button* cancel;

  // The game at this place of the list of games for sale.
  int Index = -1;

  void Offer(int index);
  void buyClick();
};

extern TssgBuy* ssgBuy;
