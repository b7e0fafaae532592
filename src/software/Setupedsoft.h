#pragma once
#include "ui/Form.h"

class Tssoft : public ui::Form {
 public:
  explicit Tssoft(ui::Application& app);
};

extern Tssoft* ssoft;
