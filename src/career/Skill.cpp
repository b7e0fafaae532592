#include "career/Skill.h"

#include <string>

#include "city/Person.h"
#include "engine/Class.h"
#include "engine/Frame.h"
#include "platform/Conversions.h"

Tskills* skills = nullptr;

namespace {

// One row of the window per skill, in the skills' fixed order.
struct SkillRow {
  int line;             // the row's line T from the top
  const char* caption;  // caption label at (16, T)
  const char* captionName;
  const char* cellStem;   // cells stem1 .. stem10 at (232 + 20 (j - 1), T)
  const char* levelName;  // level label at (324, T - 32)
  const char* levelHint;
  const char* pointsName;  // sub-point label at (408, T - 16)
  const char* stepName;    // step button at (32, T - 24)
  const char* stepCaption;
  const char* stepFont;
  const char* plusName;  // points button at (112, T - 24)
};

const SkillRow kRows[4] = {
    {56, "Программирование на С++:", "ll", "c", "cpp", "Показывает уровень программирования на С++", "onc", "Button1",
     "add_to_cpp", "Microsoft Sans Serif", "Button5"},
    {120, "Программирование на Pascal:", "lll", "p", "pas", "Показывает уровень программирования на Паскале", "onpas",
     "Button2", "add_to_pas", "Microsoft Sans Serif", "Button6"},
    {184, "Программирование на РНР:", "llll", "php", "php", "Показывает уровень программирования на РНР", "onp",
     "Button3", "add_to_php", "Microsoft Sans Serif", "Button7"},
    {248, "Образование:", "lllll", "um", "um", "Показывает уровень образования", "onum", "Button4", "add_to_um",
     "MS Sans Serif", "Button8"},
};

ui::Image* LoadTemplate(ui::Control* parent, const char* name, int left, const std::string& file) {
  auto* image = new ui::Image(parent);
  image->Name = name;
  image->SetBounds(left, 272, 19, 17);
  image->Visible = false;
  try {
    image->Picture.LoadFromFile(file);
  } catch (const ui::EInvalidGraphic&) {
    // Without its picture the template copies nothing; the cells keep theirs.
  }
  return image;
}

}  // namespace

Tskills::Tskills(ui::Application& app) : ui::Form(app) {
  SetClientSize(439, 300);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Навыки");
  close = frame::MakeCloseLabel(this, "X", 424);

  const std::string images = engine->ImagesPath;
  ui::Label** captions[4] = {&ll, &lll, &llll, &lllll};
  ui::Label** levels[4] = {&cpp, &pas, &php, &um};
  ui::Label** points[4] = {&onc, &onpas, &onp, &onum};
  ui::Button** steps[4] = {&Button1, &Button2, &Button3, &Button4};
  ui::Button** pluses[4] = {&Button5, &Button6, &Button7, &Button8};

  for (int i = 0; i < 4; ++i) {
    const SkillRow& row = kRows[i];
    ui::Label* caption = frame::MakeLabel(this, row.captionName, 16, row.line, row.caption);
    frame::BindDrag(caption);
    *captions[i] = caption;

    for (int j = 1; j <= 10; ++j) {
      auto* cell = new ui::Image(this);
      cell->Name = std::string(row.cellStem) + std::to_string(j);
      cell->SetBounds(232 + 20 * (j - 1), row.line, 19, 17);
      try {
        cell->Picture.LoadFromFile(images + "skills_n.bmp");
      } catch (const ui::EInvalidGraphic&) {
      }
      cells_[i][j - 1] = cell;
    }

    ui::Label* level = frame::MakeLabel(this, row.levelName, 324, row.line - 32, "0");
    level->Font.Size = 24;
    level->Font.Style = ui::fsBold;
    level->Hint = row.levelHint;
    level->ShowHint = true;
    *levels[i] = level;

    ui::Label* sub = frame::MakeLabel(this, row.pointsName, 408, row.line - 16, row.pointsName);
    sub->Font.Size = 11;
    *points[i] = sub;
  }
  // The push buttons come last so that their tab order is Button1 .. Button8.
  for (int i = 0; i < 4; ++i) {
    auto* step = new ui::Button(this);
    step->Name = kRows[i].stepName;
    step->SetBounds(32, kRows[i].line - 24, 75, 25);
    step->Caption = kRows[i].stepCaption;
    step->Font.Name = kRows[i].stepFont;
    step->Font.Size = 11;
    step->Font.Color = ui::clBlack;
    step->TabOrder = i;
    *steps[i] = step;
  }
  for (int i = 0; i < 4; ++i) {
    auto* plus = new ui::Button(this);
    plus->Name = kRows[i].plusName;
    plus->SetBounds(112, kRows[i].line - 24, 25, 25);
    plus->Caption = "+";
    // The window's font, in the button text colour of a standard push button.
    plus->Font.Color = ui::clBlack;
    plus->TabOrder = 4 + i;
    *pluses[i] = plus;
  }

  y = LoadTemplate(this, "y", 24, images + "skills_y.bmp");
  n = LoadTemplate(this, "n", 48, images + "skills_n.bmp");

  Button1->OnClick = [this](ui::Control&) { Button1Click(); };
  Button2->OnClick = [this](ui::Control&) { Button2Click(); };
  Button3->OnClick = [this](ui::Control&) { Button3Click(); };
  Button4->OnClick = [this](ui::Control&) { Button4Click(); };
  Button5->OnClick = [this](ui::Control&) { Button5Click(); };
  Button6->OnClick = [this](ui::Control&) { Button6Click(); };
  Button7->OnClick = [this](ui::Control&) { Button7Click(); };
  Button8->OnClick = [this](ui::Control&) { Button8Click(); };
  close->OnClick = [this](ui::Control&) { closeClick(); };
  frame::BindDrag(this);
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

ui::Label* Tskills::LevelLabel(int skill) const {
  ui::Label* const levels[4] = {cpp, pas, php, um};
  return levels[skill];
}

void Tskills::SetCell(ui::Image* cell, const ui::Image* templ) {
  cell->Picture.CopyRect(0, 0, templ->Picture, ui::Rect{0, 0, templ->Picture.Width(), templ->Picture.Height()});
}

void Tskills::DrawBar(int skill, int filled) {
  for (int j = 1; j <= 10; ++j) SetCell(Cell(skill, j), j <= filled ? y : n);
}

void Tskills::FormCreate() {
  DoubleBuffered = true;
  // The cells and the level labels lie on this window: a press on them drags it.
  for (int i = 0; i < 4; ++i) {
    for (int j = 1; j <= 10; ++j) frame::BindDrag(Cell(i, j));
    frame::BindDrag(LevelLabel(i));
  }
  Bars = {engine->Cppbar, engine->Pasbar, engine->Phpbar, engine->Umbar};
  CellsAdded = {0, 0, 0, 0};
  cpp->Caption = platform::IntToStr(engine->Cpplev);
  pas->Caption = platform::IntToStr(engine->Paslev);
  php->Caption = platform::IntToStr(engine->Phplev);
  um->Caption = platform::IntToStr(engine->Umlev);
}

void Tskills::FormShow() {
  onc->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Oncpp));
  onpas->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Onpas));
  onp->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Onphp));
  onum->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Onum));
  RedrawSkillBars();
}

void Tskills::RedrawSkillBars() {
  const int bars[4] = {engine->Cppbar, engine->Pasbar, engine->Phpbar, engine->Umbar};
  for (int i = 0; i < 4; ++i) {
    const uint32_t b = static_cast<uint32_t>(bars[i]);
    if (b <= 10) DrawBar(i, static_cast<int>(b));
  }
  cpp->Caption = platform::IntToStr(engine->Cpplev);
  pas->Caption = platform::IntToStr(engine->Paslev);
  php->Caption = platform::IntToStr(engine->Phplev);
  um->Caption = platform::IntToStr(engine->Umlev);
}

void Tskills::Button1Click() { engine->AdvanceCppSkill(); }
void Tskills::Button2Click() { engine->AdvancePascalSkill(); }
void Tskills::Button3Click() { engine->AdvancePhpSkill(); }
void Tskills::Button4Click() { engine->AdvanceEducationSkill(); }

void Tskills::Button5Click() {
  engine->AddCppPoints(3);
  onc->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Oncpp));
}

void Tskills::Button6Click() {
  engine->AddPascalPoints(3);
  onpas->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Onpas));
}

void Tskills::Button7Click() {
  engine->AddPhpPoints(3);
  onp->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Onphp));
}

void Tskills::Button8Click() {
  engine->AddEducationPoints(3);
  onum->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Onum));
}

void Tskills::closeClick() {
  engine->PlayCloseSound();
  Hide();
  person->Show();
}
