#pragma once
#include "ui/Form.h"

class Tques : public ui::Form {
 public:
  explicit Tques(ui::Application& app);
};

extern Tques* ques;
