#pragma once
#include "ui/Form.h"

class Tcomp : public ui::Form {
 public:
  explicit Tcomp(ui::Application& app);
};

extern Tcomp* comp;
