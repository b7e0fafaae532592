#pragma once
#include "ui/Form.h"

class Tsoftset : public ui::Form {
 public:
  explicit Tsoftset(ui::Application& app);
};

extern Tsoftset* softset;
