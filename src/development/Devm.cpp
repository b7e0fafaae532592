#include "development/Devm.h"

#include "city/Play.h"
#include "development/Lang.h"
#include "engine/Class.h"

Tdevmenu* devmenu = nullptr;

Tdevmenu::Tdevmenu(ui::Application& app) : Screen(app, {320, 240, "Разработка", "farm", "X", frame::Back(menu)}) {
  // The title strip leaves the skins as they are.
  top->OnMouseMove = nullptr;
  AddButtons<Tdevmenu>({
      {&Tdevmenu::newp, &Tdevmenu::newpl, {"newp", 22, 32, 275, 37, "Новый проект"}, &Tdevmenu::newpClick},
  });
  AddLabels<Tdevmenu>({{&Tdevmenu::Label1, "Label1", 16, 82, "Готовые игры:"}});
  made = frame::MakeList(this, "made", 16, 102, 288, 124);
  DragBy({Label1});
}

void Tdevmenu::FormShow() {
  made->Items.Clear();
  for (const std::string& game : engine->GamesMade->Items.Items()) made->Items.Add(game);
}

void Tdevmenu::newpClick() { frame::HideThenShow(this, langset); }
