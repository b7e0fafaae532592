#pragma once
// The sanatorium: once a year, a month's stay that restores health and mood.
// Closing it goes back to travel.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tsanatory : public ui::Form {
 public:
  explicit Tsanatory(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Label* ins;
  ui::Label* Label1;
  ui::Image* go;
  ui::Label* gol;

  void FormCreate();
  void ResetSkins() { skins_.Reset(); }
  void goClick();
  void closeClick();

 private:
  SkinSet skins_{"menu"};
};

extern Tsanatory* sanatory;
