#pragma once
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tsanatory : public ui::Form {
 public:
  explicit Tsanatory(ui::Application& app);

  ui::Image* go;
  ui::Label* gol;
};

extern Tsanatory* sanatory;
