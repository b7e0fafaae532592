#pragma once
#include "ui/Form.h"

class Tapteka : public ui::Form {
 public:
  explicit Tapteka(ui::Application& app);
};

extern Tapteka* apteka;
