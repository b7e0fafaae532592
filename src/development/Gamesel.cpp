#include "development/Gamesel.h"

#include "development/Devgame.h"
#include "development/Sgg.h"
#include "engine/Class.h"

Tgameset* gameset = nullptr;

Tgameset::Tgameset(ui::Application& app) : ChoiceScreen(app, "Тип игры", 2) {
  frame::Button b = AddChoice("g2d", "2D игра", [this] { g2dClick(); });
  g2d = b.picture, g2dl = b.label;
  b = AddChoice("g3d", "3D игра", [this] { g3dClick(); });
  g3d = b.picture, g3dl = b.label;
  g3d->Hint = "Дольше в разработке, дороже в продаже";
}

void Tgameset::g2dClick() {
  engine->PlayClickSound();
  gameDev->Graphics = "2D";
  Hide();
  sggenre->Show();
}

void Tgameset::g3dClick() {
  engine->PlayClickSound();
  gameDev->Graphics = "3D";
  Hide();
  sggenre->Show();
}
