#include "city/Sanatory.h"

Tsanatory* sanatory = nullptr;

Tsanatory::Tsanatory(ui::Application& app) : ui::Form(app) {
  go = new ui::Image(this);
  go->Name = "go";
  gol = new ui::Label(this);
  gol->Name = "gol";
}
