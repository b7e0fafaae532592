#pragma once
// The compiler department of the software store: two compilers for each of
// C++, Pascal and PHP.
#include "software/SoftShop.h"

class Tkshop : public SoftDepartment {
 public:
  explicit Tkshop(ui::Application& app);

  ui::Image* bcb;  // C++ compiler 1
  ui::Label* bcbl;
  ui::Image* ms;  // C++ compiler 2, on sale from its release date
  ui::Label* msl;
  ui::Image* tp;  // Pascal compiler 1
  ui::Label* tpl;
  ui::Image* del;  // Pascal compiler 2, on sale from its release date
  ui::Label* dell;
  ui::Image* php4;  // PHP compiler 1
  ui::Label* php4l;
  ui::Image* php5;  // PHP compiler 2, on sale from its release date
  ui::Label* php5l;
};

extern Tkshop* kshop;
