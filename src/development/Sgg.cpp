#include "development/Sgg.h"

#include "development/Devgame.h"
#include "development/Ent.h"
#include "engine/Class.h"

Tsggenre* sggenre = nullptr;

Tsggenre::Tsggenre(ui::Application& app) : ChoiceScreen(app, "Жанр игры", 4) {
  struct Row {
    ui::Image*& picture;
    ui::Label*& label;
    const char* name;
    const char* genre;
  } const rows[] = {{arcade, arcadel, "arcade", "Аркада"},
                    {puzzle, puzzlel, "puzzle", "Головоломка"},
                    {match, matchl, "match", "Три в ряд"},
                    {hidden, hiddenl, "hidden", "Поиск предметов"}};
  for (const Row& row : rows) {
    const frame::Button b = AddChoice(row.name, row.genre, [this, genre = row.genre] { genreClick(genre); });
    row.picture = b.picture;
    row.label = b.label;
  }
}

void Tsggenre::genreClick(const char* genre) {
  engine->PlayClickSound();
  gameDev->Genre = genre;
  Hide();
  enter->Show();
}
