#pragma once
// The operating-system department of the software store.
#include "software/SoftShop.h"

class Tosshop : public SoftDepartment {
 public:
  explicit Tosshop(ui::Application& app);

  ui::Image*& home = Picture(0);  // operating system 1
  ui::Label*& homel = Caption(0);
  ui::Image*& pro = Picture(1);  // operating system 2
  ui::Label*& prol = Caption(1);
  ui::Image*& basic = Picture(2);  // operating system 3, on sale from its release date
  ui::Label*& basicl = Caption(2);
  ui::Image*& ult = Picture(3);  // operating system 4, on sale from its release date
  ui::Label*& ultl = Caption(3);
};

extern Tosshop* osshop;
