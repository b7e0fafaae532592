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

void Tlangset::cppClick() { Choose(engine->CppCompiler, 0, "С++"); }
void Tlangset::pasClick() { Choose(engine->PascalCompiler, 1, "Pascal"); }

void Tlangset::Choose(const std::string& compiler, int skill, const std::string& language) {
  engine->PlayClickSound();
  if (compiler.empty()) {
    engine->ShowInfoMessage("У Вас не установлен компилятор " + language + "!");
    return;
  }
  if (!(skills->CellsAdded[skill] > 0)) {
    engine->ShowInfoMessage("Вы ещё не умеете программировать на " + language +
                            "! Нужна хотя бы одна заполненная ячейка навыка.");
    return;
  }
  menu->DevLanguage = language;
  Hide();
  prset->Show();
}
