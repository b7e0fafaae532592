#pragma once
// The genre of a casual game.
#include "development/Choice.h"
#include "ui/Image.h"

class Tsggenre : public ChoiceScreen {
 public:
  explicit Tsggenre(ui::Application& app);

  ui::Image* arcade;
  ui::Label* arcadel;
  ui::Image* puzzle;
  ui::Label* puzzlel;
  ui::Image* match;
  ui::Label* matchl;
  ui::Image* hidden;
  ui::Label* hiddenl;

  // Each button chooses the genre of its caption.
  void arcadeClick() { genreClick("Аркада"); }
  void puzzleClick() { genreClick("Головоломка"); }
  void matchClick() { genreClick("Три в ряд"); }
  void hiddenClick() { genreClick("Поиск предметов"); }
  void genreClick(const char* genre);
};

extern Tsggenre* sggenre;
