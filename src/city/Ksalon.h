#pragma once
// The computer club: an hour of play for mood and some education. Closing
// it goes back to travel.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tksalon : public ui::Form {
 public:
  explicit Tksalon(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Label* change;
  ui::Image* shoot;
  ui::Label* shootl;
  ui::Image* strateg;
  ui::Label* strategl;
  ui::Image* rpg;
  ui::Label* rpgl;

  void FormCreate();
  void FormShow();
  void ResetSkins() { skins_.Reset(); }
  void shootClick();
  void strategClick();
  void rpgClick();
  void closeClick();

 private:
  struct Genre;
  void Play(const Genre& genre);
  SkinSet skins_{"farm"};
};

extern Tksalon* ksalon;
