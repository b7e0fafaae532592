#pragma once
// The language of a new game: C++ or Pascal, each only with its compiler
// installed and at least one step of the skill taken in this game.
#include "development/Choice.h"
#include "ui/Image.h"

class Tlangset : public ChoiceScreen {
 public:
  explicit Tlangset(ui::Application& app);

  ui::Image* cpp;
  ui::Label* cppl;
  ui::Image* pas;
  ui::Label* pasl;

  void cppClick();
  void pasClick();
};

extern Tlangset* langset;
