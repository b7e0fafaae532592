#pragma once
// Job search: three offers, each open to a number of education steps taken
// since the program started; the second and third appear on their dates.
// Taking one hires the player and locks all three until the player quits.
// Closing it goes back to the game.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tfwork : public ui::Form {
 public:
  explicit Tfwork(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  // The offers: "Расфасовщик CD-дисков", "Сборщик компьютеров", "Наладчик компьютеров".
  ui::Image* w1;
  ui::Label* w1l;
  ui::Image* w2;
  ui::Label* w2l;
  ui::Image* w3;
  ui::Label* w3l;

  void FormCreate();
  void ResetSkins() { skins_.Reset(); }
  void w1Click();
  void w2Click();
  void w3Click();
  void closeClick();
  // Enables or disables all six offer controls, hidden ones too.
  void EnableOffers(bool enabled);

  const SkinSet& Skins() const { return skins_; }

 private:
  void TakeOffer(int index);
  SkinSet skins_{"menu"};
};

extern Tfwork* fwork;
