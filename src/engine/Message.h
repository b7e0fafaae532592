#pragma once
// The game message window: pauses the game while it is up, resumes it
// afterwards; with GameOver set its OK ends the game.
#include "engine/MessageWindow.h"

class Tmes : public MessageWindow {
 public:
  explicit Tmes(ui::Application& app);

  bool GameOver = false;

  void okClick() override;
};

extern Tmes* mes;
