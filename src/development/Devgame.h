#pragma once
#include "ui/Form.h"

class TgameDev : public ui::Form {
 public:
  explicit TgameDev(ui::Application& app);
};

extern TgameDev* gameDev;
