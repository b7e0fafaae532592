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
constexpr int kMarksTop = 124;

ui::Image* MakeMark(ui::Control* parent, const char* name, int left, bool visible, const std::string& file) {
  auto* mark = new ui::Image(parent);
  mark->Name = name;
  mark->SetBounds(left, kMarksTop, 20, 20);
  mark->Visible = visible;
  try {
    mark->Picture.LoadFromFile(file);
  } catch (const ui::EInvalidGraphic&) {
    // Without its picture the mark stays blank; the chooser works as before.
  }
  return mark;
}

void CopyMark(ui::Image* mark, const ui::Image* templ) {
  if (templ->Picture.Empty()) return;
  mark->Picture.Assign(templ->Picture.Graphic());
}

}  // namespace

Tteach_lev::Tteach_lev(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 200);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Обучение - выбор уровня");
  close = frame::MakeCloseLabel(this, "X", kWidth - 15);

  const frame::Button first =
      frame::MakeButton(this, &skins_, {"lev1", kLeft, 30, 275, 37, "Первый уровень", frame::CaptionPlace::Centred},
                        [this] { lev1Click(); });
  const frame::Button second =
      frame::MakeButton(this, &skins_, {"lev2", kLeft, 76, 275, 37, "Второй уровень", frame::CaptionPlace::Centred},
                        [this] { lev2Click(); });
  lev1 = first.picture;
  lev1l = first.label;
  lev2 = second.picture;
  lev2l = second.label;
  for (ui::Control* c : {static_cast<ui::Control*>(lev1), static_cast<ui::Control*>(lev1l),
                         static_cast<ui::Control*>(lev2), static_cast<ui::Control*>(lev2l)}) {
    c->Enabled = false;
  }

  const std::string images = engine->ImagesPath;
  n = MakeMark(this, "n", 8, false, images + "teach_lev_n.bmp");
  y = MakeMark(this, "y", 32, false, images + "teach_lev_y.bmp");
  p1 = MakeMark(this, "p1", kWidth / 2 - 40, true, images + "teach_lev_n.bmp");
  p2 = MakeMark(this, "p2", kWidth / 2 - 10, true, images + "teach_lev_n.bmp");
  p3 = MakeMark(this, "p3", kWidth / 2 + 20, true, images + "teach_lev_n.bmp");
  for (ui::Image* mark : {p1, p2, p3}) mark->Hint = "Прогресс обучения";

  Label1 = frame::MakeLabel(this, "Label1", kLeft, 154,
                            "Чтобы открыть второй уровень нужно навык \"Образование\" прокачать до 2.5.");
  Label1->AutoSize = false;
  Label1->WordWrap = true;
  Label1->SetBounds(kLeft, 154, 275, 40);

  for (ui::Control* c : {static_cast<ui::Control*>(Label1), static_cast<ui::Control*>(p1),
                         static_cast<ui::Control*>(p2), static_cast<ui::Control*>(p3)}) {
    frame::BindDrag(c);
  }
  close->OnClick = [this](ui::Control&) { closeClick(); };
  top->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  frame::BindDrag(this);
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Tteach_lev::FormCreate() {
  DoubleBuffered = true;
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

void Tteach_lev::lev1Click() {
  engine->PlayClickSound();
  Hide();
  study1->Show();
}

void Tteach_lev::lev2Click() {
  engine->PlayClickSound();
  Hide();
  study2->Show();
}

void Tteach_lev::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}
