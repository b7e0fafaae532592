#pragma once
#include "ui/Form.h"

class Tavpath : public ui::Form {
 public:
  explicit Tavpath(ui::Application& app);
};

extern Tavpath* avpath;
