#pragma once
// The name of a new game; with it the project sheet opens.
#include "engine/Screen.h"
#include "ui/Edit.h"

class Tenter : public Screen {
 public:
  static constexpr int kMaxName = 30;

  explicit Tenter(ui::Application& app);

  ui::Label* Label1;
  ui::Edit* name;
  ui::Image* ok;
  ui::Label* okl;

  void FormShow() override;
  void okClick();
};

extern Tenter* enter;
