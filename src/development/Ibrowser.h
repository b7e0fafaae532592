#pragma once
#include "ui/Form.h"

class Tbrowser : public ui::Form {
 public:
  explicit Tbrowser(ui::Application& app);
};

extern Tbrowser* browser;
