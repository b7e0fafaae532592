#pragma once
// The language of a new game: C++ or Pascal, each only with its compiler
// installed and at least one step of the skill taken in this game.
#include <string>

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

 private:
  // The language, with the compiler it needs and its place in the skills.
  void Choose(const std::string& compiler, int skill, const std::string& language);
};

extern Tlangset* langset;
