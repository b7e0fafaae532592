#include "career/Study_level.h"

#include "career/Skill.h"
#include "career/Slev1.h"
#include "career/Slev2.h"
#include "city/Play.h"
#include "engine/Class.h"

Tteach_lev* teach_lev = nullptr;

namespace {

constexpr int kLeft = 12;
constexpr int kWidth = kLeft + 275 + 12;
constexpr frame::CaptionPlace kCentred = frame::CaptionPlace::Centred;

void CopyMark(ui::Image* mark, const ui::Image* templ) {
  if (templ->Picture.Empty()) return;
  mark->Picture.Assign(templ->Picture.Graphic());
}

}  // namespace

Tteach_lev::Tteach_lev(ui::Application& app)
    : Screen(app, {kWidth, 200, "Обучение - выбор уровня", "farm", "X", frame::Back(menu)}) {
  using S = Tteach_lev;
  AddButtons<S>({
      {&S::lev1, &S::lev1l, {"lev1", kLeft, 30, 275, 37, "Первый уровень", kCentred}, &S::lev1Click},
      {&S::lev2, &S::lev2l, {"lev2", kLeft, 76, 275, 37, "Второй уровень", kCentred}, &S::lev2Click},
  });
  // Both levels stay closed until the chooser is first shown.
  for (ui::Control* c : std::initializer_list<ui::Control*>{lev1, lev1l, lev2, lev2l}) c->Enabled = false;

  // The two hidden templates, then the three marks, which start empty.
  struct MarkRow {
    ui::Image* S::*mark;
    const char* name;
    int left;
    const char* picture;
  };
  for (const MarkRow& row : {
           MarkRow{&S::n, "n", 8, "teach_lev_n.bmp"},
           MarkRow{&S::y, "y", 32, "teach_lev_y.bmp"},
           MarkRow{&S::p1, "p1", kWidth / 2 - 40, "teach_lev_n.bmp"},
           MarkRow{&S::p2, "p2", kWidth / 2 - 10, "teach_lev_n.bmp"},
           MarkRow{&S::p3, "p3", kWidth / 2 + 20, "teach_lev_n.bmp"},
       }) {
    auto* mark = new ui::Image(this);
    mark->Name = row.name;
    mark->SetBounds(row.left, 124, 20, 20);
    try {
      mark->Picture.LoadFromFile(engine->ImagesPath + row.picture);
    } catch (const ui::EInvalidGraphic&) {
      // Without its picture the mark stays blank; the chooser works as before.
    }
    this->*row.mark = mark;
  }
  n->Visible = false;
  y->Visible = false;
  for (ui::Image* mark : {p1, p2, p3}) mark->Hint = "Прогресс обучения";

  AddLabels<S>({
      {&S::Label1, "Label1", kLeft, 154, "Чтобы открыть второй уровень нужно навык \"Образование\" прокачать до 2.5."},
  });
  Label1->AutoSize = false;
  Label1->WordWrap = true;
  Label1->SetBounds(kLeft, 154, 275, 40);
  DragBy({Label1, p1, p2, p3});
}

void Tteach_lev::FormCreate() {
  ResetSkins();
  CourseProgress = 0;
}

// Outside a course the gates only ever open: the steps counted since the
// start never go down. During a course both levels are locked.
void Tteach_lev::FormShow() {
  const int steps = skills->CellsAdded[3];
  if (!engine->Studing) {
    if (steps >= 25) {
      lev2->Enabled = true;
      lev2l->Enabled = true;
      Label1->Visible = false;
    }
    if (steps >= 1) {
      lev1->Enabled = true;
      lev1l->Enabled = true;
    }
    return;
  }
  lev1->Enabled = false;
  lev1l->Enabled = false;
  lev2->Enabled = false;
  lev2l->Enabled = false;
  ShowProgress();
}

void Tteach_lev::SetMarks(int done) {
  CopyMark(p1, done >= 1 ? y : n);
  CopyMark(p2, done >= 2 ? y : n);
  CopyMark(p3, done >= 3 ? y : n);
}

void Tteach_lev::ShowProgress() {
  const int t = CourseProgress;
  if (t < 0) return;
  SetMarks(t == 0 ? 0 : t <= 3 ? 1 : t <= 8 ? 2 : 3);
}

void Tteach_lev::ClearProgress() { SetMarks(0); }

void Tteach_lev::lev1Click() { frame::HideThenShow(this, study1); }
void Tteach_lev::lev2Click() { frame::HideThenShow(this, study2); }
