#pragma once
// The computer club: an hour of play for mood and some education. Closing
// it goes back to travel.
#include "engine/Screen.h"

class Tksalon : public Screen {
 public:
  explicit Tksalon(ui::Application& app);

  ui::Label* change;
  ui::Image* shoot;
  ui::Label* shootl;
  ui::Image* strateg;
  ui::Label* strategl;
  ui::Image* rpg;
  ui::Label* rpgl;

  void FormShow() override { ResetSkins(); }
  void shootClick();
  void strategClick();
  void rpgClick();
  void closeClick() override;

 private:
  struct Genre;
  void Play(const Genre& genre);
};

extern Tksalon* ksalon;
