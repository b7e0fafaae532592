#include "city/Afisha.h"

Tafisha* afisha = nullptr;

Tafisha::Tafisha(ui::Application& app) : ui::Form(app) {
  list = new ui::ListBox(this);
  list->Name = "list";
}
