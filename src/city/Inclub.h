#pragma once
#include "ui/Form.h"

class Tinclub : public ui::Form {
 public:
  explicit Tinclub(ui::Application& app);
};

extern Tinclub* inclub;
