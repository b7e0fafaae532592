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
  frame::UseScreenLook(this, 340, 210);
  Position = ui::FormPosition::ScreenCenter;
  top = frame::MakeTitle(this, "Проект игры");
  close = frame::MakeCloseLabel(this, "X", 325);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  struct Row {
    ui::Label*& value;
    const char* name;
    const char* caption;
  } const rows[] = {{name, "name", "Название:"},        {lang, "lang", "Язык:"},
                    {graphics, "graphics", "Графика:"}, {genre, "genre", "Жанр:"},
                    {days, "days", "Срок разработки:"}, {price, "price", "Цена игры:"}};
  int rowTop = 28;
  for (const Row& row : rows) {
    frame::BindDrag(frame::MakeLabel(this, std::string(row.name) + "c", 16, rowTop, row.caption));
    row.value = frame::MakeLabel(this, row.name, 156, rowTop, "");
    row.value->AutoSize = false;
    row.value->SetBounds(156, rowTop, 176, 16);
    row.value->Font.Color = kValueColor;
    frame::BindDrag(row.value);
    rowTop += 20;
  }
  const frame::Button b =
      frame::MakeButton(this, &skins_, {"dev", 95, 160, 150, 37, "Начать разработку"}, [this] { devClick(); });
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
