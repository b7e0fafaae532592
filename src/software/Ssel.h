#pragma once
// The software store: a chooser of its four departments.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tsoftsel : public ui::Form {
 public:
  explicit Tsoftsel(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Image* os;
  ui::Label* osl;
  ui::Image* text;
  ui::Label* textl;
  ui::Image* k;
  ui::Label* kl;
  ui::Image* game;
  ui::Label* gamel;

  void FormCreate();
  void ResetSkins() { skins_.Reset(); }
  const SkinSet& Skins() const { return skins_; }
  void osClick();
  void textClick();
  void kClick();
  void gameClick();
  void closeClick();

 private:
  SkinSet skins_{"menu"};
};

extern Tsoftsel* softsel;
