#include "city/Person.h"

#include "career/Skill.h"
#include "city/Kop.h"
#include "city/Play.h"
#include "development/Devskills.h"
#include "engine/Class.h"

Tperson* person = nullptr;

namespace {
const ui::Color kTeal{0, 128, 128};
}  // namespace

// Each button changes only its own skin; the background resets all three.
Tperson::Tperson(ui::Application& app)
    : Screen(app, {380, 158, "Персонаж", "vk", "X", frame::Back(menu), SkinSet::Mode::Own}) {
  // Full-width teal rows stacked without gaps; the captions give way to
  // the bare names when the sheet is first shown.
  AddLabels<Tperson>({
      {&Tperson::sname, "sname", 0, 28, "Фамилия:"},
      {&Tperson::name, "name", 0, 44, "Имя:"},
      {&Tperson::Label1, "Label1", 0, 60, "aka"},
      {&Tperson::nick, "nick", 0, 76, "Ник-нейм:"},
  });
  for (ui::Label* row : {sname, name, Label1, nick}) {
    row->AutoSize = false;
    row->SetBounds(0, row->Top, 380, 16);
    row->Transparent = false;
    row->Color = kTeal;
    row->Font.Color = ui::clWhite;
    row->Alignment = ui::Alignment::Center;
  }
  DragBy({sname, name, Label1, nick});
  ResetSkinsOver({sname, name, Label1, nick});
  // The title strip leaves the skins as they are here.
  top->OnMouseMove = nullptr;

  // The three doors: picture, caption (two lines on the middle one), click.
  AddButtons<Tperson>({
      {&Tperson::skill,
       &Tperson::skilll,
       {"skill", 12, 102, 116, 44, "Навыки", frame::CaptionPlace::Across, 14},
       &Tperson::skillClick},
      {&Tperson::askill,
       &Tperson::askilll,
       {"askill", 132, 102, 116, 44, "Продвинутые", frame::CaptionPlace::Across, 5},
       &Tperson::askillClick},
      {&Tperson::kopilka,
       &Tperson::kopilkal,
       {"kopilka", 252, 102, 116, 44, "Копилка", frame::CaptionPlace::Across, 14},
       &Tperson::kopilkaClick},
  });
  // The second line of the middle caption is part of its button too.
  askillll = frame::MakeLabel(this, "askillll", 0, 102 + 23, "навыки");
  SkinSet::Style(askill, askillll);
  askillll->PlaceBySize([](ui::Label& l) { l.Left = 132 + (116 - l.Width) / 2; });
  askillll->OnMouseMove = askilll->OnMouseMove;
  askillll->OnMouseDown = askilll->OnMouseDown;
  askillll->OnMouseUp = askilll->OnMouseUp;
  askillll->OnClick = askilll->OnClick;
}

void Tperson::FormShow() {
  sname->Caption = engine->PlayerSurname;
  name->Caption = engine->PlayerName;
  nick->Caption = engine->PlayerNick;
}

void Tperson::skillClick() { frame::HideThenShow(this, skills); }
void Tperson::askillClick() { frame::ShowThenHide(this, devSkill); }
void Tperson::kopilkaClick() { frame::HideThenShow(this, kop); }
