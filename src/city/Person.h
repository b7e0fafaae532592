#pragma once
#include "ui/Form.h"

class Tperson : public ui::Form {
 public:
  explicit Tperson(ui::Application& app);
};

extern Tperson* person;
