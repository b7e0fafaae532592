#pragma once
// The office-suite department of the software store.
#include "software/SoftShop.h"

class Ttextshop : public SoftDepartment {
 public:
  explicit Ttextshop(ui::Application& app);

  ui::Image* star;  // office suite 1
  ui::Label* starl;
  ui::Image* open;  // office suite 2, on sale from its release date
  ui::Label* openl;
  ui::Image* ms;  // office suite 3, on sale from its release date
  ui::Label* msl;
};

extern Ttextshop* textshop;
