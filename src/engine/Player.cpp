#include "engine/Player.h"

#include "engine/Class.h"
#include "engine/Instr.h"
#include "engine/Main.h"

Tinit* init = nullptr;

namespace {
const ui::Color kFieldColor{0, 2, 79};
}

ui::Edit* Tinit::MakeField(const char* fieldName, int left, int fieldTop, int width, int tabOrder) {
  auto* field = new ui::Edit(this);
  field->Name = fieldName;
  field->SetBounds(left, fieldTop, width, 21);
  field->Color = kFieldColor;
  field->Font.Color = ui::clWhite;
  field->TabOrder = tabOrder;
  // Enter in any field is "Дальше"; the character itself goes on.
  field->OnKeyPress = [this](ui::Control&, char32_t& key) {
    if (key == 13) nextClick();
  };
  return field;
}

Tinit::Tinit(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 328, 254);

  Label1 = frame::MakeTitle(this, "Программа регистрации");
  Label1->Name = "Label1";
  Label2 = frame::MakeLabel(this, "Label2", 0, 32, "Теперь пройдите регистрацию.");
  Label2->AutoSize = false;
  Label2->SetBounds(0, 32, 328, 16);
  Label2->Alignment = ui::Alignment::Center;
  Label3 = frame::MakeLabel(this, "Label3", 8, 88, "Введите свое имя:");
  Label4 = frame::MakeLabel(this, "Label4", 8, 128, "Введите свою фамилию:");
  Label5 = frame::MakeLabel(this, "Label5", 8, 168, "Введите свой ник:");
  name = MakeField("name", 152, 88, 169, 0);
  sname = MakeField("sname", 192, 128, 129, 1);
  nick = MakeField("nick", 144, 168, 177, 2);

  // "Дальше" comes first in the button list, "Назад" second.
  const frame::Button forward = frame::MakeButton(
      this, &skins_, {"next", 168, 216, 150, 28, "Дальше", frame::CaptionPlace::At, 6, 212}, [this] { nextClick(); });
  next = forward.picture;
  nextl = forward.label;
  const frame::Button backward = frame::MakeButton(
      this, &skins_, {"back", 8, 216, 150, 28, "Назад", frame::CaptionPlace::At, 6, 60}, [this] { backClick(); });
  back = backward.picture;
  backl = backward.label;

  for (ui::Control* c : {Label2, Label3, Label4, Label5}) frame::BindDrag(c);
  frame::BindDrag(this);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  ActiveControl = name;
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tinit::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

void Tinit::nextClick() {
  engine->PlayClickSound();
  // Blanks count as a name; only an empty field holds the player here.
  if (name->Text() != "" && sname->Text() != "" && nick->Text() != "") {
    inst->Show();
    Hide();
  }
}

void Tinit::backClick() {
  Hide();
  Form1->Show();
  engine->PlayClickSound();
}
