#pragma once
// The games department of the software store. One game is hidden from every
// release date: Alt+T opens it.
#include "software/SoftShop.h"

class Tgameshop : public SoftDepartment {
 public:
  explicit Tgameshop(ui::Application& app);

  ui::Image* hl;  // game 1
  ui::Label* hll;
  ui::Image* homm;  // game 2
  ui::Label* homml;
  ui::Image* gta;  // games 3 to 8, each on sale from its release date
  ui::Label* gtal;
  ui::Image* mm;
  ui::Label* mml;
  ui::Image* aoe;
  ui::Label* aoel;
  ui::Image* fear;
  ui::Label* fearl;
  ui::Image* fifa;
  ui::Label* fifal;
  ui::Image* nfs;
  ui::Label* nfsl;
  ui::Image* tdu;  // game 9, the hidden one
  ui::Label* tdul;

  void FormKeyDown(int& key, ui::ShiftState shift);
};

extern Tgameshop* gameshop;
