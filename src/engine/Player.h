#pragma once
// Registration of a new character: first name, surname and nickname. The
// three texts survive going back and forth; the instructions screen copies
// them into the engine when the game starts.
#include "engine/Screen.h"
#include "ui/Edit.h"

class Tinit : public Screen {
 public:
  explicit Tinit(ui::Application& app);

  ui::Label* Label1;
  ui::Label* Label2;
  ui::Label* Label3;
  ui::Label* Label4;
  ui::Label* Label5;
  ui::Edit* name;
  ui::Edit* sname;
  ui::Edit* nick;
  ui::Image* back;
  ui::Label* backl;
  ui::Image* next;
  ui::Label* nextl;

  void nextClick();
  void backClick();

 private:
  ui::Edit* MakeField(const char* fieldName, int left, int top, int width, int tabOrder);
};

extern Tinit* init;
