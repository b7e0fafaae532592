#pragma once
// The games department of the software store. One game is hidden from every
// release date: Alt+T opens it.
#include "software/SoftShop.h"

class Tgameshop : public SoftDepartment {
 public:
  explicit Tgameshop(ui::Application& app);

  ui::Image*& hl = Picture(0);  // game 1
  ui::Label*& hll = Caption(0);
  ui::Image*& homm = Picture(1);  // game 2
  ui::Label*& homml = Caption(1);
  ui::Image*& gta = Picture(2);  // games 3 to 8, each on sale from its release date
  ui::Label*& gtal = Caption(2);
  ui::Image*& mm = Picture(3);
  ui::Label*& mml = Caption(3);
  ui::Image*& aoe = Picture(4);
  ui::Label*& aoel = Caption(4);
  ui::Image*& fear = Picture(5);
  ui::Label*& fearl = Caption(5);
  ui::Image*& fifa = Picture(6);
  ui::Label*& fifal = Caption(6);
  ui::Image*& nfs = Picture(7);
  ui::Label*& nfsl = Caption(7);
  ui::Image*& tdu = Picture(8);  // game 9, the hidden one
  ui::Label*& tdul = Caption(8);

  void FormKeyDown(int& key, ui::ShiftState shift);
};

extern Tgameshop* gameshop;
