#pragma once
#include "ui/Form.h"

class Tbank : public ui::Form {
 public:
  explicit Tbank(ui::Application& app);
};

extern Tbank* bank;
