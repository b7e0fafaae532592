#pragma once
// The operating-system department of the software store.
#include "software/SoftShop.h"

class Tosshop : public SoftDepartment {
 public:
  explicit Tosshop(ui::Application& app);

  ui::Image* home;  // operating system 1
  ui::Label* homel;
  ui::Image* pro;  // operating system 2
  ui::Label* prol;
  ui::Image* basic;  // operating system 3, on sale from its release date
  ui::Label* basicl;
  ui::Image* ult;  // operating system 4, on sale from its release date
  ui::Label* ultl;
};

extern Tosshop* osshop;
