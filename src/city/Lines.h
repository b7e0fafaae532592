#pragma once
#include "ui/Form.h"

class Tlines : public ui::Form {
 public:
  explicit Tlines(ui::Application& app);
};

extern Tlines* lines;
