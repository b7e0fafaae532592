#pragma once
// The software store: a chooser of its four departments.
#include "engine/Screen.h"

class Tsoftsel : public Screen {
 public:
  explicit Tsoftsel(ui::Application& app);

  ui::Image* os;
  ui::Label* osl;
  ui::Image* text;
  ui::Label* textl;
  ui::Image* k;
  ui::Label* kl;
  ui::Image* game;
  ui::Label* gamel;

  void osClick();
  void textClick();
  void kClick();
  void gameClick();
};

extern Tsoftsel* softsel;
