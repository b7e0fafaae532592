#pragma once
// The sanatorium: once a year, a month's stay that restores health and mood.
// Closing it goes back to travel.
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tsanatory : public ui::Form {
 public:
  explicit Tsanatory(ui::Application& app);

  ui::Image* go;
  ui::Label* gol;
  ui::Label* top;
  ui::Label* close;

  void closeClick();
};

extern Tsanatory* sanatory;
