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

TgameDev::TgameDev(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 400, 226);
  Position = ui::FormPosition::ScreenCenter;
  top = frame::MakeTitle(this, "Проект игры");
  close = frame::MakeCloseLabel(this, "X", 385);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  // The name has room for a second line: a long one wraps there.
  struct Row {
    ui::Label*& value;
    const char* name;
    const char* caption;
    int lines;
  } const rows[] = {{name, "name", "Название:", 2},        {lang, "lang", "Язык:", 1},
                    {graphics, "graphics", "Графика:", 1}, {genre, "genre", "Жанр:", 1},
                    {days, "days", "Срок разработки:", 1}, {price, "price", "Цена игры:", 1}};
  int rowTop = 28;
  for (const Row& row : rows) {
    frame::BindDrag(frame::MakeLabel(this, std::string(row.name) + "c", 16, rowTop, row.caption));
    row.value = frame::MakeLabel(this, row.name, 150, rowTop, "");
    row.value->AutoSize = false;
    row.value->WordWrap = row.lines > 1;
    row.value->SetBounds(150, rowTop, 242, 16 * row.lines);
    row.value->Font.Color = kValueColor;
    frame::BindDrag(row.value);
    rowTop += 4 + 16 * row.lines;
  }
  const frame::Button b =
      frame::MakeButton(this, &skins_, {"dev", 125, 176, 150, 37, "Начать разработку"}, [this] { devClick(); });
  dev = b.picture;
  devl = b.label;

  frame::BindDrag(this);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  OnCreate = [this](ui::Control&) {
    DoubleBuffered = true;
    skins_.Reset();
  };
  OnShow = [this](ui::Control&) { FormShow(); };
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

void TgameDev::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}
