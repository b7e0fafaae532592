#pragma once
// The compiler department of the software store: two compilers for each of
// C++, Pascal and PHP.
#include "software/SoftShop.h"

class Tkshop : public SoftDepartment {
 public:
  explicit Tkshop(ui::Application& app);

  ui::Image*& bcb = Picture(0);  // C++ compiler 1
  ui::Label*& bcbl = Caption(0);
  ui::Image*& ms = Picture(1);  // C++ compiler 2, on sale from its release date
  ui::Label*& msl = Caption(1);
  ui::Image*& tp = Picture(2);  // Pascal compiler 1
  ui::Label*& tpl = Caption(2);
  ui::Image*& del = Picture(3);  // Pascal compiler 2, on sale from its release date
  ui::Label*& dell = Caption(3);
  ui::Image*& php4 = Picture(4);  // PHP compiler 1
  ui::Label*& php4l = Caption(4);
  ui::Image*& php5 = Picture(5);  // PHP compiler 2, on sale from its release date
  ui::Label*& php5l = Caption(5);
};

extern Tkshop* kshop;
