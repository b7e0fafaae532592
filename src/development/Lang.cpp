#include "development/Lang.h"

#include "career/Skill.h"
#include "city/Play.h"
#include "development/Prsel.h"
#include "engine/Class.h"

Tlangset* langset = nullptr;

Tlangset::Tlangset(ui::Application& app) : ChoiceScreen(app, "Язык программирования", 2) {
  frame::AddColumn(this, &skins_, kChoices,
                   {{&Tlangset::cpp, &Tlangset::cppl, "cpp", "С++", &Tlangset::cppClick},
                    {&Tlangset::pas, &Tlangset::pasl, "pas", "Pascal", &Tlangset::pasClick}});
}

void Tlangset::cppClick() {
  engine->PlayClickSound();
  if (engine->CppCompiler.empty()) {
    engine->ShowInfoMessage("У Вас не установлен компилятор С++!");
    return;
  }
  if (!(skills->CellsAdded[0] > 0)) {
    engine->ShowInfoMessage("Вы ещё не умеете программировать на С++! Нужна хотя бы одна заполненная ячейка навыка.");
    return;
  }
  menu->DevLanguage = "С++";
  Hide();
  prset->Show();
}

void Tlangset::pasClick() {
  engine->PlayClickSound();
  if (engine->PascalCompiler.empty()) {
    engine->ShowInfoMessage("У Вас не установлен компилятор Pascal!");
    return;
  }
  if (!(skills->CellsAdded[1] > 0)) {
    engine->ShowInfoMessage(
        "Вы ещё не умеете программировать на Pascal! Нужна хотя бы одна заполненная ячейка навыка.");
    return;
  }
  menu->DevLanguage = "Pascal";
  Hide();
  prset->Show();
}
