#pragma once
#include "ui/Form.h"

class Tsetka : public ui::Form {
 public:
  explicit Tsetka(ui::Application& app);
};

extern Tsetka* setka;
