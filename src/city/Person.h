#pragma once
// The character sheet: who the player is, and the door to the skills, the
// advanced skills and the savings box. Closing it goes back to the game.
#include "engine/Screen.h"

class Tperson : public Screen {
 public:
  explicit Tperson(ui::Application& app);

  // The name rows, top to bottom: surname, first name, "aka", nickname.
  ui::Label* sname;
  ui::Label* name;
  ui::Label* Label1;
  ui::Label* nick;
  // The three doors, left to right.
  ui::Image* skill;
  ui::Label* skilll;
  ui::Image* askill;
  ui::Label* askilll;
  ui::Label* askillll;
  ui::Image* kopilka;
  ui::Label* kopilkal;

  void FormShow() override;
  void skillClick();
  void askillClick();
  void kopilkaClick();
};

extern Tperson* person;
