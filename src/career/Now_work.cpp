#include "career/Now_work.h"

#include "city/Play.h"
#include "engine/Class.h"

Tnwork* nwork = nullptr;

namespace {
const ui::Color kValueColor{255, 214, 102};
constexpr int kValueLeft = 136;
constexpr int kWidth = 360;
}  // namespace

Tnwork::Tnwork(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 150);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Работа");
  close = frame::MakeCloseLabel(this, "X", kWidth - 15);

  struct Row {
    ui::Label*& caption;
    const char* captionName;
    const char* text;
    ui::Label*& value;
    const char* valueName;
    const char* design;
  };
  const Row rows[] = {
      {Label1, "Label1", "Род занятий:", mark, "mark", "нет"},
      {Label2, "Label2", "Профессия:", office, "office", "нет"},
      {Label3, "Label3", "Зар. плата:", zp, "zp", "0"},
  };
  int rowTop = 32;
  for (const Row& row : rows) {
    row.caption = frame::MakeLabel(this, row.captionName, 16, rowTop, row.text);
    row.value = frame::MakeLabel(this, row.valueName, kValueLeft, rowTop, row.design);
    row.value->Font.Color = kValueColor;
    rowTop += 22;
  }

  const frame::Button b = frame::MakeButton(
      this, &skins_, {"free", (kWidth - 150) / 2, 102, 150, 37, "Уволиться", frame::CaptionPlace::Centred},
      [this] { freeClick(); });
  free = b.picture;
  freel = b.label;

  // The text labels reset the skin when the mouse passes and drag the window.
  for (ui::Label* l : {Label1, Label2, Label3, mark, office, zp}) {
    l->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
    frame::BindDrag(l);
  }
  close->OnClick = [this](ui::Control&) { closeClick(); };
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  frame::BindDrag(this);
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tnwork::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

void Tnwork::freeClick() {
  engine->PlayClickSound();
  engine->QuitJob();
  closeClick();
}

void Tnwork::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}
