#pragma once
// The real-estate agency, where the player changes flats: the three homes
// the player does not live in, each for its price. Closing it goes back to
// travel.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Thome : public ui::Form {
 public:
  explicit Thome(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  // The four home types, 0 to 3, from top to bottom.
  ui::Image* h1;
  ui::Label* h1l;
  ui::Image* h2;
  ui::Label* h2l;
  ui::Image* h3;
  ui::Label* h3l;
  ui::Image* h4;
  ui::Label* h4l;

  void FormCreate();
  void FormShow();
  void ResetSkins() { skins_.Reset(); }
  void UpdateButtons();
  void h1Click();
  void h2Click();
  void h3Click();
  void h4Click();
  void closeClick();

 private:
  void Move(int type);
  SkinSet skins_{"farm"};
};

extern Thome* home;
