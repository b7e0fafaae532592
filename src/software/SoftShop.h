#pragma once
// The four departments of the software store (see hardware/Department.h):
// every item is a program, a click buys it through the engine, and the close
// label goes back to the store's department chooser. The later programs of
// each department are on sale from their release dates.
#include "hardware/Department.h"

// Operating systems.
class Tosshop : public Tdepartment {
 public:
  explicit Tosshop(ui::Application& app);
  ui::Image *home, *pro, *basic, *ult;
  ui::Label *homel, *prol, *basicl, *ultl;
};

// Office suites.
class Ttextshop : public Tdepartment {
 public:
  explicit Ttextshop(ui::Application& app);
  ui::Image *star, *open, *ms;
  ui::Label *starl, *openl, *msl;
};

// Compilers, two for each of C++, Pascal and PHP.
class Tkshop : public Tdepartment {
 public:
  explicit Tkshop(ui::Application& app);
  ui::Image *bcb, *ms, *tp, *del, *php4, *php5;
  ui::Label *bcbl, *msl, *tpl, *dell, *php4l, *php5l;
};

// Games. The last one is hidden from every release date: Alt+T opens it.
class Tgameshop : public Tdepartment {
 public:
  explicit Tgameshop(ui::Application& app);
  ui::Image *hl, *homm, *gta, *mm, *aoe, *fear, *fifa, *nfs, *tdu;
  ui::Label *hll, *homml, *gtal, *mml, *aoel, *fearl, *fifal, *nfsl, *tdul;

  void FormKeyDown(int& key, ui::ShiftState shift);
};

extern Tosshop* osshop;
extern Ttextshop* textshop;
extern Tkshop* kshop;
extern Tgameshop* gameshop;
