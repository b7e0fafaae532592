#pragma once
#include "ui/Form.h"

class Tgive : public ui::Form {
 public:
  explicit Tgive(ui::Application& app);
};

extern Tgive* give;
