#pragma once
#include "ui/Form.h"

class Ttake : public ui::Form {
 public:
  explicit Ttake(ui::Application& app);
};

extern Ttake* take;
