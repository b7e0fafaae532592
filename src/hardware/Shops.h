#pragma once
// The ten departments of the computer store (see Department.h).
#include "hardware/Department.h"

// Intel motherboards.
class Tmbshop : public Tdepartment {
 public:
  explicit Tmbshop(ui::Application& app);
  ui::Image *mb1, *mb2, *mb3;
  ui::Label *mb1l, *mb2l, *mb3l;
};

// AMD motherboards.
class Tmbshop2 : public Tdepartment {
 public:
  explicit Tmbshop2(ui::Application& app);
  ui::Image *mb1, *mb2, *mb3;
  ui::Label *mb1l, *mb2l, *mb3l;
};

// AMD processors.
class Tprshop : public Tdepartment {
 public:
  explicit Tprshop(ui::Application& app);
  ui::Image *pr1, *pr2, *pr3, *pr4;
  ui::Label *pr1l, *pr2l, *pr3l, *pr4l;
};

// Intel processors.
class Tprshop2 : public Tdepartment {
 public:
  explicit Tprshop2(ui::Application& app);
  ui::Image *pr1, *pr2, *pr3, *pr4;
  ui::Label *pr1l, *pr2l, *pr3l, *pr4l;
};

// Memory.
class Trshop : public Tdepartment {
 public:
  explicit Trshop(ui::Application& app);
  ui::Image *r1, *r2, *r3, *r4;
  ui::Label *r1l, *r2l, *r3l, *r4l;
};

// NVidia video cards.
class Tvshop : public Tdepartment {
 public:
  explicit Tvshop(ui::Application& app);
  ui::Image *v1, *v2, *v3, *v4;
  ui::Label *v1l, *v2l, *v3l, *v4l;
};

// ATI video cards.
class Tvshop2 : public Tdepartment {
 public:
  explicit Tvshop2(ui::Application& app);
  ui::Image *v1, *v2, *v3, *v4;
  ui::Label *v1l, *v2l, *v3l, *v4l;
};

// Hard disks.
class Thshop : public Tdepartment {
 public:
  explicit Thshop(ui::Application& app);
  ui::Image *h1, *h2, *h3, *h4;
  ui::Label *h1l, *h2l, *h3l, *h4l;
};

// Modems.
class Tmdshop : public Tdepartment {
 public:
  explicit Tmdshop(ui::Application& app);
  ui::Image *m1, *m2;
  ui::Label *m1l, *m2l;
};

// LCD monitors.
class Tmnshop : public Tdepartment {
 public:
  explicit Tmnshop(ui::Application& app);
  ui::Image *m1, *m2, *m3;
  ui::Label *m1l, *m2l, *m3l;
};

extern Tmbshop* mbshop;
extern Tmbshop2* mbshop2;
extern Tprshop* prshop;
extern Tprshop2* prshop2;
extern Trshop* rshop;
extern Tvshop* vshop;
extern Tvshop2* vshop2;
extern Thshop* hshop;
extern Tmdshop* mdshop;
extern Tmnshop* mnshop;
