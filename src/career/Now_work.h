#pragma once
// The current job: occupation, job title and salary, and the way to quit.
// Closing it goes back to the game.
#include "ui/Form.h"
#include "ui/Label.h"

class Tnwork : public ui::Form {
 public:
  explicit Tnwork(ui::Application& app);

  ui::Label* mark;    // occupation
  ui::Label* office;  // job title
  ui::Label* zp;      // salary
  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern Tnwork* nwork;
