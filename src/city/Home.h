#pragma once
// The real-estate agency, where the player changes flats: the three homes
// the player does not live in, each for its price. Closing it goes back to
// travel.
#include "engine/Screen.h"

class Thome : public Screen {
 public:
  explicit Thome(ui::Application& app);

  // The four home types, 0 to 3, from top to bottom.
  ui::Image* h1;
  ui::Label* h1l;
  ui::Image* h2;
  ui::Label* h2l;
  ui::Image* h3;
  ui::Label* h3l;
  ui::Image* h4;
  ui::Label* h4l;

  void FormShow() override { UpdateButtons(); }
  void UpdateButtons();
  void h1Click();
  void h2Click();
  void h3Click();
  void h4Click();

 private:
  void Move(int type);
};

extern Thome* home;
