#pragma once
// The playbill: dated announcements of coming shop items and vacancies, one
// a line, in the order they were posted. Closing it goes back to the game.
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ListBox.h"

class Tafisha : public ui::Form {
 public:
  explicit Tafisha(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::ListBox* list;

  void closeClick();
};

extern Tafisha* afisha;
