#pragma once
#include "ui/Form.h"

class Tinet : public ui::Form {
 public:
  explicit Tinet(ui::Application& app);
};

extern Tinet* inet;
