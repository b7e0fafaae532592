#pragma once
#include "ui/Form.h"

class Tenter : public ui::Form {
 public:
  explicit Tenter(ui::Application& app);
};

extern Tenter* enter;
