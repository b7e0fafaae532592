#include "development/Devgame.h"

#include "city/Play.h"
#include "development/DevRules.h"
#include "development/Devskills.h"
#include "engine/Class.h"
#include "platform/Conversions.h"

TgameDev* gameDev = nullptr;

namespace {
const ui::Color kValueColor{255, 214, 102};
}

TgameDev::TgameDev(ui::Application& app) : Screen(app, {400, 226, "Проект игры", "main", "X", frame::Back(menu)}) {
  // The title strip leaves the skins as they are.
  top->OnMouseMove = nullptr;
  // Each line a caption and its value; the name has room for a second line:
  // a long one wraps there.
  struct Row {
    ui::Label* TgameDev::*value;
    const char* name;
    const char* caption;
    int lines;
  } const rows[] = {{&TgameDev::name, "name", "Название:", 2},        {&TgameDev::lang, "lang", "Язык:", 1},
                    {&TgameDev::graphics, "graphics", "Графика:", 1}, {&TgameDev::genre, "genre", "Жанр:", 1},
                    {&TgameDev::days, "days", "Срок разработки:", 1}, {&TgameDev::price, "price", "Цена игры:", 1}};
  int rowTop = 28;
  for (const Row& row : rows) {
    ui::Label* caption = frame::MakeLabel(this, std::string(row.name) + "c", 16, rowTop, row.caption);
    ui::Label* value = frame::MakeBox(this, {row.name, 150, rowTop, 242, 16 * row.lines, "", {}, {}, row.lines > 1});
    value->Font.Color = kValueColor;
    DragBy({caption, value});
    this->*row.value = value;
    rowTop += 4 + 16 * row.lines;
  }
  AddButtons<TgameDev>({
      {&TgameDev::dev, &TgameDev::devl, {"dev", 125, 176, 150, 37, "Начать разработку"}, &TgameDev::devClick},
  });
}

int TgameDev::RunDays() const {
  const bool cpp = menu->DevLanguage == "С++";
  return devrules::RunDays(cpp ? engine->Cpplev : engine->Paslev, cpp ? engine->Cppbar : engine->Pasbar,
                           Graphics == "3D", engine->Work);
}

int TgameDev::Price() const {
  const bool cpp = menu->DevLanguage == "С++";
  return devrules::GamePrice(cpp ? engine->Cpplev : engine->Paslev, Graphics == "3D", devSkill->TotalLevels());
}

void TgameDev::FormShow() {
  name->Caption = menu->DevName;
  lang->Caption = menu->DevLanguage;
  graphics->Caption = Graphics;
  genre->Caption = Genre;
  days->Caption = platform::IntToStr(RunDays()) + " дн.";
  price->Caption = platform::IntToStr(Price()) + " руб.";
}

void TgameDev::devClick() {
  engine->PlayClickSound();
  const int runDays = RunDays();
  menu->DevPrice = Price();
  menu->DevSteps = devrules::kRunSteps;
  menu->DevStep = 0;
  menu->sgDevTimer->Interval = devrules::StepInterval(runDays);
  menu->DevActive = true;
  SetDevelopmentCaption("Разработка игры...");
  engine->WriteLog("Начата разработка игры...");
  Hide();
  menu->Show();
}
