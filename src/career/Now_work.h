#pragma once
// The current job: occupation, job title and salary, and the way to quit.
// Closing it goes back to the game.
#include "engine/Screen.h"

class Tnwork : public Screen {
 public:
  explicit Tnwork(ui::Application& app);

  ui::Label* Label1;  // "Род занятий:"
  ui::Label* Label2;  // "Профессия:"
  ui::Label* Label3;  // "Зар. плата:"
  ui::Label* mark;    // occupation
  ui::Label* office;  // job title
  ui::Label* zp;      // salary
  ui::Image* free;
  ui::Label* freel;  // "Уволиться"

  void freeClick();
};

extern Tnwork* nwork;
