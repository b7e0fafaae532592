#pragma once
#include "ui/Form.h"

class TsBazar : public ui::Form {
 public:
  explicit TsBazar(ui::Application& app);
};

extern TsBazar* sBazar;
