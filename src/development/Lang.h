#pragma once
#include "ui/Form.h"

class Tlangset : public ui::Form {
 public:
  explicit Tlangset(ui::Application& app);
};

extern Tlangset* langset;
