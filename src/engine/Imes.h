#pragma once
// The information window: shows a text until OK; the game's timers are not
// touched.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tmess : public ui::Form {
 public:
  explicit Tmess(ui::Application& app);

  ui::Image* Image1;
  ui::Label* Label1;
  ui::Label* text;
  ui::Image* Image2;
  ui::Image* ok;
  ui::Label* okl;

  void FormCreate();
  void okClick();
  void FormKeyDown(int& key, ui::ShiftState shift);

 private:
  SkinSet skins_{"mes"};
};

extern Tmess* mess;
