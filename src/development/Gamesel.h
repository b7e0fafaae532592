#pragma once
#include "ui/Form.h"

class Tgameset : public ui::Form {
 public:
  explicit Tgameset(ui::Application& app);
};

extern Tgameset* gameset;
