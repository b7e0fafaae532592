#pragma once
// Job search: three offers, each open to a number of education steps taken
// since the program started; the second and third appear on their dates.
// Taking one hires the player and locks all three until the player quits.
// Closing it goes back to the game.
#include "engine/Screen.h"

class Tfwork : public Screen {
 public:
  explicit Tfwork(ui::Application& app);

  // The offers: "Расфасовщик CD-дисков", "Сборщик компьютеров", "Наладчик компьютеров".
  ui::Image* w1;
  ui::Label* w1l;
  ui::Image* w2;
  ui::Label* w2l;
  ui::Image* w3;
  ui::Label* w3l;

  void w1Click();
  void w2Click();
  void w3Click();
  // Enables or disables all six offer controls, hidden ones too.
  void EnableOffers(bool enabled);

 private:
  void TakeOffer(int index);
};

extern Tfwork* fwork;
