#pragma once
#include "ui/Form.h"

class Tteach_lev : public ui::Form {
 public:
  explicit Tteach_lev(ui::Application& app);
};

extern Tteach_lev* teach_lev;
