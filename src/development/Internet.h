#pragma once
// The dial-up internet window, reached from the computer screen. Closing it
// goes back to the computer.
#include "ui/Form.h"
#include "ui/Label.h"

class Tinet : public ui::Form {
 public:
  explicit Tinet(ui::Application& app);

  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern Tinet* inet;
