#pragma once
#include "ui/Form.h"

class Tgames : public ui::Form {
 public:
  explicit Tgames(ui::Application& app);
};

extern Tgames* games;
