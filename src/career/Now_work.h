#pragma once
// The current job: occupation, job title and salary, and the way to quit.
// Closing it goes back to the game.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tnwork : public ui::Form {
 public:
  explicit Tnwork(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Label* Label1;  // "Род занятий:"
  ui::Label* Label2;  // "Профессия:"
  ui::Label* Label3;  // "Зар. плата:"
  ui::Label* mark;    // occupation
  ui::Label* office;  // job title
  ui::Label* zp;      // salary
  ui::Image* free;
  ui::Label* freel;  // "Уволиться"

  void FormCreate();
  void ResetSkins() { skins_.Reset(); }
  void freeClick();
  void closeClick();

  const SkinSet& Skins() const { return skins_; }

 private:
  SkinSet skins_{"main"};
};

extern Tnwork* nwork;
