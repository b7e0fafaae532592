#pragma once
#include "ui/Form.h"

class Ttravel : public ui::Form {
 public:
  explicit Ttravel(ui::Application& app);
};

extern Ttravel* travel;
