#pragma once
// The city map: from the game screen to the nine city places and stores.
// A trip costs a fare and gives experience; by car it is free.
#include "engine/Screen.h"

class Ttravel : public Screen {
 public:
  explicit Ttravel(ui::Application& app);

  ui::Label* change;
  // Destinations, in the order of the button list.
  ui::Image* comp;
  ui::Label* compl_;
  ui::Image* soft;
  ui::Label* softl;
  ui::Image* hosp;
  ui::Label* hospl;
  ui::Image* avto;
  ui::Label* avtol;
  ui::Image* bnk;
  ui::Label* bnkl;
  ui::Image* salon;
  ui::Label* salonl;
  ui::Image* club;
  ui::Label* clubl;
  ui::Image* san;
  ui::Label* sanl;
  ui::Image* house;
  ui::Label* housel;

  void FormCreate() override;
  void FormShow() override { ResetSkins(); }
  void closeClick() override;
  void compClick();
  void softClick();
  void hospClick();
  void avtoClick();
  void bnkClick();
  void salonClick();
  void clubClick();
  void sanClick();
  void houseClick();

 private:
  // A trip with the fare (or by car) to a destination screen.
  void Trip(const char* logLine, ui::Form* destination);
};

extern Ttravel* travel;
