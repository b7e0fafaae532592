#pragma once
#include "ui/Form.h"

class Taddk : public ui::Form {
 public:
  explicit Taddk(ui::Application& app);
};

extern Taddk* addk;
