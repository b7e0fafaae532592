#pragma once
#include "ui/Form.h"

class Tmbshop : public ui::Form {
 public:
  explicit Tmbshop(ui::Application& app);
};

extern Tmbshop* mbshop;

class Tmbshop2 : public ui::Form {
 public:
  explicit Tmbshop2(ui::Application& app);
};

extern Tmbshop2* mbshop2;

class Tprshop : public ui::Form {
 public:
  explicit Tprshop(ui::Application& app);
};

extern Tprshop* prshop;

class Tprshop2 : public ui::Form {
 public:
  explicit Tprshop2(ui::Application& app);
};

extern Tprshop2* prshop2;

class Trshop : public ui::Form {
 public:
  explicit Trshop(ui::Application& app);
};

extern Trshop* rshop;

class Tvshop : public ui::Form {
 public:
  explicit Tvshop(ui::Application& app);
};

extern Tvshop* vshop;

class Tvshop2 : public ui::Form {
 public:
  explicit Tvshop2(ui::Application& app);
};

extern Tvshop2* vshop2;

class Thshop : public ui::Form {
 public:
  explicit Thshop(ui::Application& app);
};

extern Thshop* hshop;

class Tmdshop : public ui::Form {
 public:
  explicit Tmdshop(ui::Application& app);
};

extern Tmdshop* mdshop;

class Tmnshop : public ui::Form {
 public:
  explicit Tmnshop(ui::Application& app);
};

extern Tmnshop* mnshop;
