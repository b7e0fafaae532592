#pragma once
// The office-suite department of the software store.
#include "software/SoftShop.h"

class Ttextshop : public SoftDepartment {
 public:
  explicit Ttextshop(ui::Application& app);

  ui::Image*& star = Picture(0);  // office suite 1
  ui::Label*& starl = Caption(0);
  ui::Image*& open = Picture(1);  // office suite 2, on sale from its release date
  ui::Label*& openl = Caption(1);
  ui::Image*& ms = Picture(2);  // office suite 3, on sale from its release date
  ui::Label*& msl = Caption(2);
};

extern Ttextshop* textshop;
