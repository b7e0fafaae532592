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
  int line;                      // the row's line T from the top
  ui::Label* Tskills::*caption;  // at (16, T)
  const char* captionName;
  const char* captionText;
  const char* cellStem;        // cells stem1 .. stem10 at (232 + 20 (j - 1), T)
  ui::Label* Tskills::*level;  // at (324, T - 32)
  const char* levelName;
  const char* levelHint;
  ui::Label* Tskills::*points;  // at (408, T - 16); its design caption is its name
  const char* pointsName;
  ui::Button* Tskills::*step;  // at (32, T - 24)
  const char* stepName;
  const char* stepCaption;
  const char* stepFont;
  ui::Button* Tskills::*plus;  // at (112, T - 24)
  const char* plusName;
  void (Tskills::*stepClick)();
  void (Tskills::*plusClick)();
};

const SkillRow kRows[4] = {
    {56, &Tskills::ll, "ll", "Программирование на С++:", "c", &Tskills::cpp, "cpp",
     "Показывает уровень программирования на С++", &Tskills::onc, "onc", &Tskills::Button1, "Button1", "add_to_cpp",
     "Microsoft Sans Serif", &Tskills::Button5, "Button5", &Tskills::Button1Click, &Tskills::Button5Click},
    {120, &Tskills::lll, "lll", "Программирование на Pascal:", "p", &Tskills::pas, "pas",
     "Показывает уровень программирования на Паскале", &Tskills::onpas, "onpas", &Tskills::Button2, "Button2",
     "add_to_pas", "Microsoft Sans Serif", &Tskills::Button6, "Button6", &Tskills::Button2Click,
     &Tskills::Button6Click},
    {184, &Tskills::llll, "llll", "Программирование на РНР:", "php", &Tskills::php, "php",
     "Показывает уровень программирования на РНР", &Tskills::onp, "onp", &Tskills::Button3, "Button3", "add_to_php",
     "Microsoft Sans Serif", &Tskills::Button7, "Button7", &Tskills::Button3Click, &Tskills::Button7Click},
    {248, &Tskills::lllll, "lllll", "Образование:", "um", &Tskills::um, "um", "Показывает уровень образования",
     &Tskills::onum, "onum", &Tskills::Button4, "Button4", "add_to_um", "MS Sans Serif", &Tskills::Button8, "Button8",
     &Tskills::Button4Click, &Tskills::Button8Click},
};

ui::Image* LoadImage(ui::Control* parent, const std::string& name, int left, int top, const char* file,
                     bool visible = true) {
  auto* image = new ui::Image(parent);
  image->Name = name;
  image->SetBounds(left, top, 19, 17);
  image->Visible = visible;
  try {
    image->Picture.LoadFromFile(engine->ImagesPath + file);
  } catch (const ui::EInvalidGraphic&) {
    // Without its picture a cell stays blank and a template copies nothing.
  }
  return image;
}

// A push button of the row; without a font of its own it keeps the window's.
ui::Button* MakePushButton(Tskills* form, const char* name, int left, int top, int width, const char* caption,
                           const char* font, int tabOrder, void (Tskills::*click)()) {
  auto* button = new ui::Button(form);
  button->Name = name;
  button->SetBounds(left, top, width, 25);
  button->Caption = caption;
  if (font != nullptr) {
    button->Font.Name = font;
    button->Font.Size = 11;
  }
  // The text colour of a standard push button.
  button->Font.Color = ui::clBlack;
  button->TabOrder = tabOrder;
  button->OnClick = [form, click](ui::Control&) { (form->*click)(); };
  return button;
}

}  // namespace

Tskills::Tskills(ui::Application& app) : Screen(app, {439, 300, "Навыки", nullptr, "X", frame::Back(person)}) {
  for (int i = 0; i < 4; ++i) {
    const SkillRow& row = kRows[i];
    this->*row.caption = frame::MakeLabel(this, row.captionName, 16, row.line, row.captionText);
    frame::BindDrag(this->*row.caption);
    for (int j = 1; j <= 10; ++j) {
      cells_[i][j - 1] =
          LoadImage(this, std::string(row.cellStem) + std::to_string(j), 232 + 20 * (j - 1), row.line, "skills_n.bmp");
    }
    ui::Label* level = frame::MakeLabel(this, row.levelName, 324, row.line - 32, "0");
    level->Font.Size = 24;
    level->Font.Style = ui::fsBold;
    level->Hint = row.levelHint;
    level->ShowHint = true;
    this->*row.level = level;
    this->*row.points = frame::MakeLabel(this, row.pointsName, 408, row.line - 16, row.pointsName);
    (this->*row.points)->Font.Size = 11;
  }
  // The push buttons come last so that their tab order is Button1 .. Button8.
  for (int i = 0; i < 4; ++i) {
    const SkillRow& row = kRows[i];
    this->*row.step =
        MakePushButton(this, row.stepName, 32, row.line - 24, 75, row.stepCaption, row.stepFont, i, row.stepClick);
  }
  for (int i = 0; i < 4; ++i) {
    const SkillRow& row = kRows[i];
    this->*row.plus = MakePushButton(this, row.plusName, 112, row.line - 24, 25, "+", nullptr, 4 + i, row.plusClick);
  }
  // The hidden templates: a filled and an empty cell.
  y = LoadImage(this, "y", 24, 272, "skills_y.bmp", false);
  n = LoadImage(this, "n", 48, 272, "skills_n.bmp", false);
}

ui::Label* Tskills::LevelLabel(int skill) const { return this->*kRows[skill].level; }

void Tskills::SetCell(ui::Image* cell, const ui::Image* templ) {
  cell->Picture.CopyRect(0, 0, templ->Picture, ui::Rect{0, 0, templ->Picture.Width(), templ->Picture.Height()});
}

void Tskills::DrawBar(int skill, int filled) {
  for (int j = 1; j <= 10; ++j) SetCell(Cell(skill, j), j <= filled ? y : n);
}

void Tskills::FormCreate() {
  // The cells and the level labels lie on this window: a press on them drags it.
  for (int i = 0; i < 4; ++i) {
    for (int j = 1; j <= 10; ++j) frame::BindDrag(Cell(i, j));
    frame::BindDrag(LevelLabel(i));
  }
  for (int i = 0; i < 4; ++i) Bars[i] = engine->*kSkillFields[i].bar;
  CellsAdded = {0, 0, 0, 0};
  ShowLevels();
}

void Tskills::FormShow() {
  for (int i = 0; i < 4; ++i) ShowPoints(i);
  RedrawSkillBars();
}

void Tskills::RedrawSkillBars() {
  for (int i = 0; i < 4; ++i) {
    const uint32_t b = static_cast<uint32_t>(engine->*kSkillFields[i].bar);
    if (b <= 10) DrawBar(i, static_cast<int>(b));
  }
  ShowLevels();
}

void Tskills::ShowLevels() {
  for (int i = 0; i < 4; ++i) LevelLabel(i)->Caption = platform::IntToStr(engine->*kSkillFields[i].level);
}

void Tskills::ShowPoints(int skill) {
  (this->*kRows[skill].points)->Caption =
      platform::UIntToStr(static_cast<uint32_t>(engine->*kSkillFields[skill].points));
}

void Tskills::Button1Click() { engine->AdvanceCppSkill(); }
void Tskills::Button2Click() { engine->AdvancePascalSkill(); }
void Tskills::Button3Click() { engine->AdvancePhpSkill(); }
void Tskills::Button4Click() { engine->AdvanceEducationSkill(); }
void Tskills::Button5Click() { AddPoints(&Tzenx::AddCppPoints, 0); }
void Tskills::Button6Click() { AddPoints(&Tzenx::AddPascalPoints, 1); }
void Tskills::Button7Click() { AddPoints(&Tzenx::AddPhpPoints, 2); }
void Tskills::Button8Click() { AddPoints(&Tzenx::AddEducationPoints, 3); }

void Tskills::AddPoints(void (Tzenx::*add)(uint32_t), int skill) {
  (engine->*add)(3);
  ShowPoints(skill);
}
