#pragma once
// The playbill: dated announcements of coming shop items and vacancies, one
// a line, in the order they were posted. Closing it goes back to the game.
#include "engine/Screen.h"
#include "ui/ListBox.h"

class Tafisha : public Screen {
 public:
  explicit Tafisha(ui::Application& app);

  ui::ListBox* list;
};

extern Tafisha* afisha;
