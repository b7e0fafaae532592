#pragma once
// The character sheet: who the player is, and the door to the skills, the
// advanced skills and the savings box. Closing it goes back to the game.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tperson : public ui::Form {
 public:
  explicit Tperson(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
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

  void FormCreate();
  void FormShow();
  void skillClick();
  void askillClick();
  void kopilkaClick();
  void closeClick();

 private:
  // Each button changes only its own skin; the background resets all three.
  SkinSet skins_{"vk", SkinSet::Mode::Own};
};

extern Tperson* person;
