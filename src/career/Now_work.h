#pragma once
#include "ui/Form.h"
#include "ui/Label.h"

class Tnwork : public ui::Form {
 public:
  explicit Tnwork(ui::Application& app);

  ui::Label* mark;    // occupation
  ui::Label* office;  // job title
  ui::Label* zp;      // salary
};

extern Tnwork* nwork;
