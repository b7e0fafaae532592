#pragma once
#include "ui/Form.h"

class TssgBuy : public ui::Form {
 public:
  explicit TssgBuy(ui::Application& app);
};

extern TssgBuy* ssgBuy;
