#pragma once
#include "ui/Form.h"

class TdevProgress : public ui::Form {
 public:
  explicit TdevProgress(ui::Application& app);
};

extern TdevProgress* devProgress;
