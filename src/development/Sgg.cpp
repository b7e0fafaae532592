#include "development/Sgg.h"

#include "development/Devgame.h"
#include "development/Ent.h"
#include "engine/Class.h"

Tsggenre* sggenre = nullptr;

Tsggenre::Tsggenre(ui::Application& app) : ChoiceScreen(app, "Жанр игры", 4) {
  DoubleBuffered = false;
  frame::AddColumn(this, &skins_, kChoices,
                   {{&Tsggenre::arcade, &Tsggenre::arcadel, "arcade", "Аркада", &Tsggenre::arcadeClick},
                    {&Tsggenre::puzzle, &Tsggenre::puzzlel, "puzzle", "Головоломка", &Tsggenre::puzzleClick},
                    {&Tsggenre::match, &Tsggenre::matchl, "match", "Три в ряд", &Tsggenre::matchClick},
                    {&Tsggenre::hidden, &Tsggenre::hiddenl, "hidden", "Поиск предметов", &Tsggenre::hiddenClick}});
}

void Tsggenre::genreClick(const char* genre) {
  engine->PlayClickSound();
  gameDev->Genre = genre;
  Hide();
  enter->Show();
}
