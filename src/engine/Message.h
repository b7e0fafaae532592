#pragma once
// The game message window: pauses the game while it is up, resumes it
// afterwards; with GameOver set its OK ends the game.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tmes : public ui::Form {
 public:
  explicit Tmes(ui::Application& app);

  ui::Image* Image1;
  ui::Image* Image2;
  ui::Label* Label1;
  ui::Image* ok;
  ui::Label* okl;
  ui::Label* text;

  bool GameOver = false;

  void FormCreate();
  void okClick();
  void FormKeyDown(int& key, ui::ShiftState shift);

 private:
  SkinSet skins_{"mes"};
};

extern Tmes* mes;
