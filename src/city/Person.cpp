#include "city/Person.h"

#include "career/Skill.h"
#include "city/Kop.h"
#include "city/Play.h"
#include "development/Devskills.h"
#include "engine/Class.h"

Tperson* person = nullptr;

namespace {
constexpr int kWidth = 380;
const ui::Color kTeal{0, 128, 128};
}  // namespace

Tperson::Tperson(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 158);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Персонаж");
  close = frame::MakeCloseLabel(this, "X", kWidth - 15);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  // Full-width teal rows stacked without gaps; the captions give way to
  // the bare names when the sheet is first shown.
  struct NameRow {
    ui::Label*& label;
    const char* name;
    const char* caption;
  };
  const NameRow rows[] = {
      {sname, "sname", "Фамилия:"},
      {name, "name", "Имя:"},
      {Label1, "Label1", "aka"},
      {nick, "nick", "Ник-нейм:"},
  };
  int rowTop = 28;
  for (const NameRow& row : rows) {
    row.label = frame::MakeLabel(this, row.name, 0, rowTop, row.caption);
    row.label->AutoSize = false;
    row.label->SetBounds(0, rowTop, kWidth, 16);
    row.label->Transparent = false;
    row.label->Color = kTeal;
    row.label->Font.Color = ui::clWhite;
    row.label->Alignment = ui::Alignment::Center;
    frame::BindDrag(row.label);
    row.label->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
    rowTop += 16;
  }

  // The three doors: picture, caption (two lines on the middle one), click.
  const frame::Button made[] = {
      frame::MakeButton(this, &skins_, {"skill", 12, 102, 116, 44, "Навыки", frame::CaptionPlace::Across, 14},
                        [this] { skillClick(); }),
      frame::MakeButton(this, &skins_, {"askill", 132, 102, 116, 44, "Продвинутые", frame::CaptionPlace::Across, 5},
                        [this] { askillClick(); }),
      frame::MakeButton(this, &skins_, {"kopilka", 252, 102, 116, 44, "Копилка", frame::CaptionPlace::Across, 14},
                        [this] { kopilkaClick(); }),
  };
  skill = made[0].picture, skilll = made[0].label;
  askill = made[1].picture, askilll = made[1].label;
  kopilka = made[2].picture, kopilkal = made[2].label;
  // The second line of the middle caption is part of its button too.
  askillll = frame::MakeLabel(this, "askillll", 0, 102 + 23, "навыки");
  SkinSet::Style(askill, askillll);
  askillll->PlaceBySize([](ui::Label& l) { l.Left = 132 + (116 - l.Width) / 2; });
  askillll->OnMouseMove = askilll->OnMouseMove;
  askillll->OnMouseDown = askilll->OnMouseDown;
  askillll->OnMouseUp = askilll->OnMouseUp;
  askillll->OnClick = askilll->OnClick;

  frame::BindDrag(this);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Tperson::FormCreate() {
  DoubleBuffered = true;
  skins_.Reset();
}

void Tperson::FormShow() {
  sname->Caption = engine->PlayerSurname;
  name->Caption = engine->PlayerName;
  nick->Caption = engine->PlayerNick;
}

void Tperson::skillClick() {
  engine->PlayClickSound();
  Hide();
  skills->Show();
}

void Tperson::askillClick() {
  engine->PlayClickSound();
  devSkill->Show();
  Hide();
}

void Tperson::kopilkaClick() {
  engine->PlayClickSound();
  Hide();
  kop->Show();
}

void Tperson::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}
