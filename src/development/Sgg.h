#pragma once
#include "ui/Form.h"

class Tsggenre : public ui::Form {
 public:
  explicit Tsggenre(ui::Application& app);
};

extern Tsggenre* sggenre;
