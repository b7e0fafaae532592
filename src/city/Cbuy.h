#pragma once
#include "ui/Form.h"

class Tcbuy : public ui::Form {
 public:
  explicit Tcbuy(ui::Application& app);
};

extern Tcbuy* cbuy;
