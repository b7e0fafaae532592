#pragma once
// The name of a new game; with it the project sheet opens.
#include "engine/Frame.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tenter : public ui::Form {
 public:
  static constexpr int kMaxName = 30;

  explicit Tenter(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Label* Label1;
  ui::Edit* name;
  ui::Image* ok;
  ui::Label* okl;

  void FormShow();
  void okClick();
  void closeClick();

 private:
  SkinSet skins_{"main"};
};

extern Tenter* enter;
