#include "development/Gamesel.h"

#include "development/Devgame.h"
#include "development/Sgg.h"
#include "engine/Class.h"

Tgameset* gameset = nullptr;

Tgameset::Tgameset(ui::Application& app) : ChoiceScreen(app, "Тип игры", 2) {
  frame::AddColumn(this, &skins_, kChoices,
                   {{&Tgameset::g2d, &Tgameset::g2dl, "g2d", "2D игра", &Tgameset::g2dClick},
                    {&Tgameset::g3d, &Tgameset::g3dl, "g3d", "3D игра", &Tgameset::g3dClick}});
  g3d->Hint = "Дольше в разработке, дороже в продаже";
}

void Tgameset::g2dClick() { Choose("2D"); }
void Tgameset::g3dClick() { Choose("3D"); }

void Tgameset::Choose(const char* graphics) {
  engine->PlayClickSound();
  gameDev->Graphics = graphics;
  Hide();
  sggenre->Show();
}
