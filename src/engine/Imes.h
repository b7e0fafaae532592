#pragma once
// The information window: shows a text until OK; the game's timers are not
// touched.
#include "engine/MessageWindow.h"

class Tmess : public MessageWindow {
 public:
  explicit Tmess(ui::Application& app);

  void okClick() override;
};

extern Tmess* mess;
