#pragma once
#include "ui/Form.h"

class Tinit : public ui::Form {
 public:
  explicit Tinit(ui::Application& app);
};

extern Tinit* init;
