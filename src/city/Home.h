#pragma once
#include "ui/Form.h"

class Thome : public ui::Form {
 public:
  explicit Thome(ui::Application& app);
};

extern Thome* home;
