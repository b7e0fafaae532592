#include "software/Soft.h"

#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "hardware/Computer.h"
#include "platform/Conversions.h"
#include "software/Game.h"
#include "software/Setupedsoft.h"

Tsoftset* softset = nullptr;

namespace {

enum class Kind { Compiler, System, Office, Game };

// What a program is, how much of the disk it takes (percent) and, for a
// compiler, the engine field and the installed-programs label of its language.
struct Program {
  Kind kind;
  int size;
  std::string Tzenx::*compiler;
  ui::Label* Tssoft::*label;
};

struct CatalogueRow {
  std::string Tzenx::*name;
  Program program;
};

// The catalogue in the order a name is tested against it; any other name is a game.
const CatalogueRow kCatalogue[] = {
    {&Tzenx::Kcpp2, {Kind::Compiler, 5, &Tzenx::CppCompiler, &Tssoft::cpp}},
    {&Tzenx::Kcpp1, {Kind::Compiler, 4, &Tzenx::CppCompiler, &Tssoft::cpp}},
    {&Tzenx::Kpas2, {Kind::Compiler, 5, &Tzenx::PascalCompiler, &Tssoft::pas}},
    {&Tzenx::Kpas1, {Kind::Compiler, 4, &Tzenx::PascalCompiler, &Tssoft::pas}},
    {&Tzenx::Kphp1, {Kind::Compiler, 4, &Tzenx::PhpCompiler, &Tssoft::php}},
    {&Tzenx::Kphp2, {Kind::Compiler, 5, &Tzenx::PhpCompiler, &Tssoft::php}},
    {&Tzenx::Os4, {Kind::System, 15, nullptr, &Tssoft::os}},
    {&Tzenx::Os3, {Kind::System, 12, nullptr, &Tssoft::os}},
    {&Tzenx::Os2, {Kind::System, 10, nullptr, &Tssoft::os}},
    {&Tzenx::Os1, {Kind::System, 8, nullptr, &Tssoft::os}},
    {&Tzenx::Of3, {Kind::Office, 7, nullptr, &Tssoft::office}},
    {&Tzenx::Of1, {Kind::Office, 6, nullptr, &Tssoft::office}},
    {&Tzenx::Of2, {Kind::Office, 5, nullptr, &Tssoft::office}},
};
constexpr int kGameSize = 3;

Program ProgramOf(const std::string& name) {
  for (const CatalogueRow& row : kCatalogue)
    if (name == engine->*row.name) return row.program;
  return Program{Kind::Game, kGameSize, nullptr, nullptr};
}

const char* const kNone = "нет";

}  // namespace

Tsoftset::Tsoftset(ui::Application& app)
    : Screen(app, {460, 296, "Установка и удаление программ", "main", "X", frame::Back(comp)}) {
  using S = Tsoftset;
  top->OnMouseMove = nullptr;  // the title strip leaves the skins alone
  Label1 = frame::MakeLabel(this, "Label1", 16, 26, "Купленные программы:");
  nseted = frame::MakeList(this, "nseted", 16, 46, 205, 186);
  Label2 = frame::MakeLabel(this, "Label2", 239, 26, "Установленные программы:");
  seted = frame::MakeList(this, "seted", 239, 46, 205, 186);
  DragBy({Label1, Label2});
  // Under each list its button, the caption centred on it.
  constexpr auto Centred = frame::CaptionPlace::Centred;
  AddButtons<S>({
      {&S::inst, &S::instl, {"inst", 43, 244, 150, 37, "Установить", Centred}, &S::instClick},
      {&S::uninst, &S::uninstl, {"uninst", 266, 244, 150, 37, "Удалить", Centred}, &S::uninstClick},
  });
  nseted->OnDblClick = [this](ui::Control&) { instClick(); };
  seted->OnDblClick = [this](ui::Control&) { uninstClick(); };
}

void Tsoftset::instClick() {
  engine->PlayClickSound();
  const int i = nseted->ItemIndex;
  if (i < 0 || i >= nseted->Items.Count()) return;
  Install(nseted->Items[i]);
}

// An operating system comes first and alone; then one office suite, one
// compiler per language and any number of games, each within the free space.
void Tsoftset::Install(std::string name) {
  const Program p = ProgramOf(name);
  const bool hasSystem = ssoft->os->Caption != kNone;
  if (p.kind == Kind::System && hasSystem) {
    engine->ShowInfoMessage("Операционная система уже установлена!");
    return;
  }
  if (p.kind != Kind::System && !hasSystem) {
    engine->ShowInfoMessage("Сначала установите операционную систему!");
    return;
  }
  if (p.kind == Kind::Office && ssoft->office->Caption != kNone) {
    engine->ShowInfoMessage("Офисный пакет уже установлен!");
    return;
  }
  if (p.kind == Kind::Compiler && !(engine->*p.compiler).empty()) {
    engine->ShowInfoMessage("Компилятор для этого языка уже установлен!");
    return;
  }
  if (p.size > labels::ReadCount(comp->_disk)) {
    engine->ShowInfoMessage("Недостаточно места на диске!");
    return;
  }
  engine->rem_space(p.size);
  nseted->Items.Delete(nseted->Items.IndexOf(name));
  seted->Items.Add(name);
  switch (p.kind) {
    case Kind::System:
      ssoft->os->Caption = name;
      ssoft->ShowSystemPicture(true);
      break;
    case Kind::Office:
      ssoft->office->Caption = name;
      break;
    case Kind::Compiler:
      engine->*p.compiler = name;
      (ssoft->*p.label)->Caption = name;
      break;
    case Kind::Game:
      games->list->Items.Add(name);
      break;
  }
  engine->ShowInfoMessage("Программа " + name + " установлена!");
}

void Tsoftset::uninstClick() {
  engine->PlayClickSound();
  const int i = seted->ItemIndex;
  if (i < 0 || i >= seted->Items.Count()) return;
  const std::string name = seted->Items[i];
  const bool system = ProgramOf(name).kind == Kind::System;
  const bool others = seted->Items.Count() > 1;
  RemoveProgramSilently(name);
  if (system && others) {
    engine->ShowInfoMessage("Операционная система " + name + " удалена, а с ней и все программы!");
  } else {
    engine->ShowInfoMessage("Программа " + name + " удалена!");
  }
}

void Tsoftset::RemoveProgramSilently(const std::string& programName) {
  const std::string name = programName;  // may be an entry of the lists changed below
  const int i = seted->Items.IndexOf(name);
  if (i < 0) return;  // not installed: nothing to take out
  const Program p = ProgramOf(name);
  if (p.kind == Kind::System) {
    // Without a system nothing stays installed.
    while (seted->Items.Count() > 0) {
      nseted->Items.Add(seted->Items[0]);
      seted->Items.Delete(0);
    }
    games->list->Items.Clear();
    engine->CppCompiler.clear();
    engine->PascalCompiler.clear();
    engine->PhpCompiler.clear();
    for (ui::Label* label : {ssoft->os, ssoft->office, ssoft->cpp, ssoft->pas, ssoft->php}) label->Caption = kNone;
    engine->set_space(100);
    ssoft->ShowSystemPicture(false);
    return;
  }
  seted->Items.Delete(i);
  nseted->Items.Add(name);
  switch (p.kind) {
    case Kind::Compiler:
      (ssoft->*p.label)->Caption = kNone;
      engine->*p.compiler = "";
      break;
    case Kind::Office:
      ssoft->office->Caption = kNone;
      break;
    case Kind::Game: {
      const int g = games->list->Items.IndexOf(name);
      if (g >= 0) games->list->Items.Delete(g);
      break;
    }
    case Kind::System:
      break;
  }
  engine->add_space(p.size);
}

void Tsoftset::closeClick() {
  Screen::closeClick();
  engine->IsTextEditor = ssoft->office->Caption != kNone;
}
