#pragma once
#include "ui/Form.h"
#include "ui/ListBox.h"

class Tafisha : public ui::Form {
 public:
  explicit Tafisha(ui::Application& app);

  ui::ListBox* list;
};

extern Tafisha* afisha;
