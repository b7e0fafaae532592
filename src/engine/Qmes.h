#pragma once
// The quit dialog, shaped by its red colour key: "ДА" ends the program and
// starts the bug informer, "НЕТ" returns to where the player was.
#include "engine/Screen.h"

class Tques : public Screen {
 public:
  explicit Tques(ui::Application& app);

  ui::Image* fon;
  ui::Label* Label1;
  ui::Label* Label2;
  ui::Label* Label3;
  ui::Image* yes;
  ui::Label* yesl;
  ui::Image* no;
  ui::Label* nol;

  void FormCreate() override;
  void yesClick();
  void noClick();
  void FormKeyDown(int& key, ui::ShiftState shift);

 protected:
  // The window manager's close is "НЕТ": the player stays where he was, and
  // the game screen's clock runs again as after "НЕТ".
  void CloseRequested() override { noClick(); }
};

extern Tques* ques;
