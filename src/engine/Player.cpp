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

// The title strip is `Label1`, and moving over it leaves the skins alone.
Tinit::Tinit(ui::Application& app) : Screen(app, {328, 254, "Программа регистрации", "case", nullptr}) {
  Label1 = top;
  Label1->Name = "Label1";
  Label1->OnMouseMove = nullptr;
  AddLabels<Tinit>({
      {&Tinit::Label2, "Label2", 0, 32, "Теперь пройдите регистрацию."},
      {&Tinit::Label3, "Label3", 8, 88, "Введите свое имя:"},
      {&Tinit::Label4, "Label4", 8, 128, "Введите свою фамилию:"},
      {&Tinit::Label5, "Label5", 8, 168, "Введите свой ник:"},
  });
  Label2->AutoSize = false;
  Label2->SetBounds(0, 32, 328, 16);
  Label2->Alignment = ui::Alignment::Center;
  name = MakeField("name", 152, 88, 169, 0);
  sname = MakeField("sname", 192, 128, 129, 1);
  nick = MakeField("nick", 144, 168, 177, 2);

  // "Дальше" comes first in the button list, "Назад" second.
  AddButtons<Tinit>({
      {&Tinit::next,
       &Tinit::nextl,
       {"next", 168, 216, 150, 28, "Дальше", frame::CaptionPlace::At, 6, 212},
       &Tinit::nextClick},
      {&Tinit::back,
       &Tinit::backl,
       {"back", 8, 216, 150, 28, "Назад", frame::CaptionPlace::At, 6, 60},
       &Tinit::backClick},
  });
  DragBy({Label2, Label3, Label4, Label5});
  ActiveControl = name;
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
