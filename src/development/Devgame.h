#pragma once
// The project sheet of a game: its name, language, kind and genre, how long
// it will take and what it will sell for. Its start button begins the
// development run on the game screen.
#include <string>

#include "engine/Screen.h"

class TgameDev : public Screen {
 public:
  explicit TgameDev(ui::Application& app);

  ui::Label* name;
  ui::Label* lang;
  ui::Label* graphics;
  ui::Label* genre;
  ui::Label* days;
  ui::Label* price;
  ui::Image* dev;
  ui::Label* devl;

  // The kind ("2D" or "3D") and genre chosen for the project.
  std::string Graphics = "2D";
  std::string Genre;

  // What the run will take and bring, from the skill as it is now.
  int RunDays() const;
  int Price() const;

  void FormShow() override;
  void devClick();
};

extern TgameDev* gameDev;
