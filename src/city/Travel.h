#pragma once
// The city map: from the game screen to the nine city places and stores.
// A trip costs a fare and gives experience; by car it is free.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Ttravel : public ui::Form {
 public:
  explicit Ttravel(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
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

  void FormCreate();
  void FormShow();
  void ResetSkins() { skins_.Reset(); }
  void closeClick();
  void compClick();
  void softClick();
  void hospClick();
  void avtoClick();
  void bnkClick();
  void salonClick();
  void clubClick();
  void sanClick();
  void houseClick();

  const SkinSet& Skins() const { return skins_; }

 private:
  // A trip with the fare (or by car) to a destination screen.
  void Trip(const char* logLine, ui::Form* destination);
  SkinSet skins_{"bnk"};
};

extern Ttravel* travel;
