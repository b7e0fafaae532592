#pragma once
#include "ui/Form.h"

class Tgameshop : public ui::Form {
 public:
  explicit Tgameshop(ui::Application& app);
};

extern Tgameshop* gameshop;
