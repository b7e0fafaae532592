#pragma once
// The city pharmacy: two medicines that raise the player's health. Closing
// it goes back to travel.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tapteka : public ui::Form {
 public:
  explicit Tapteka(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Image* hard;
  ui::Label* hardl;
  ui::Image* low;
  ui::Label* lowl;
  ui::Label* Label3;
  ui::Label* Label4;

  void FormCreate();
  void ResetSkins() { skins_.Reset(); }
  void hardClick();
  void lowClick();
  void closeClick();

 private:
  struct Medicine;
  void Buy(const Medicine& medicine);
  SkinSet skins_{"farm"};
};

extern Tapteka* apteka;
