#pragma once
// A hidden window (Alt+K on the game screen): the computer this game was
// made on. Closing it lets game time run again.
#include "engine/Screen.h"

class Tdevkomp : public Screen {
 public:
  explicit Tdevkomp(ui::Application& app);

  // The greeting's three lines.
  ui::Label* Label1;
  ui::Label* Label2;
  ui::Label* Label3;
  // The parts, top to bottom, and beside them what each one is.
  ui::Label* Label4;
  ui::Label* Label5;
  ui::Label* Label6;
  ui::Label* Label7;
  ui::Label* Label8;
  ui::Label* Label9;
  ui::Label* Label10;
  ui::Label* Label11;
  ui::Label* Label12;
  ui::Label* Label13;

  void closeClick() override;
};

extern Tdevkomp* devkomp;
