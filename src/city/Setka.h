#pragma once
// The night club's entrance: the fee that lets the player into the disco.
// Closing it goes back to travel.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tsetka : public ui::Form {
 public:
  explicit Tsetka(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Label* logo;
  ui::Label* comment;
  ui::Image* go;
  ui::Label* gol;

  void FormCreate();
  void goClick();
  void closeClick();

 private:
  SkinSet skins_{"menu"};
};

extern Tsetka* setka;
