#include "hardware/Dsel.h"

#include "city/Travel.h"
#include "engine/Class.h"
#include "hardware/Shops.h"

Tdevsel* devsel = nullptr;

ui::Image* Tdevsel::MakeButton(const char* name, int left, int buttonTop, ui::Label*& label, const char* labelName,
                               const char* caption) {
  auto* picture = new ui::Image(this);
  picture->Name = name;
  picture->SetBounds(left, buttonTop, 220, 37);
  label = frame::MakeLabel(this, labelName, left, buttonTop + 10, caption);
  SkinSet::Style(picture, label);
  label->Left = left + (220 - label->Width) / 2;
  skins_.Bind(picture, label);
  return picture;
}

Tdevsel::Tdevsel(ui::Application& app) : ui::Form(app) {
  SetClientSize(505, 386);
  Position = ui::FormPosition::ScreenCenter;
  Color = ui::clBlack;
  Font.Name = "Verdana";
  Font.Size = 13;
  Font.Color = ui::clBlack;

  top = frame::MakeTitle(this, "Выбор отдела");
  close = frame::MakeCloseLabel(this, "X", 490);

  // The button list, in the order of every skin change.
  mb1 = MakeButton("mb1", 24, 40, mb1l, "mb1l", "Материнские платы Intel");
  mb2 = MakeButton("mb2", 264, 40, mb2l, "mb2l", "Материнские платы AMD");
  pr1 = MakeButton("pr1", 24, 88, pr1l, "pr1l", "Процессоры Intel");
  pr2 = MakeButton("pr2", 264, 88, pr2l, "pr2l", "Процессоры AMD");
  ram = MakeButton("ram", 144, 136, raml, "raml", "Оперативная память DDR II");
  v1 = MakeButton("v1", 24, 184, v1l, "v1l", "Видео карты NVidia (PCI-E)");
  v2 = MakeButton("v2", 264, 184, v2l, "v2l", "Видео карты ATI (PCI-E)");
  hdd = MakeButton("hdd", 144, 232, hddl, "hddl", "Жесткие диски");
  md = MakeButton("md", 144, 280, mdl, "mdl", "Модемы");
  mn = MakeButton("mn", 144, 328, mnl, "mnl", "Мониторы LCD");

  mb1->OnClick = [this](ui::Control&) { mb1Click(); };
  mb2->OnClick = [this](ui::Control&) { mb2Click(); };
  pr1->OnClick = [this](ui::Control&) { pr1Click(); };
  pr2->OnClick = [this](ui::Control&) { pr2Click(); };
  ram->OnClick = [this](ui::Control&) { ramClick(); };
  v1->OnClick = [this](ui::Control&) { v1Click(); };
  v2->OnClick = [this](ui::Control&) { v2Click(); };
  hdd->OnClick = [this](ui::Control&) { hddClick(); };
  md->OnClick = [this](ui::Control&) { mdClick(); };
  mn->OnClick = [this](ui::Control&) { mnClick(); };
  close->OnClick = [this](ui::Control&) { closeClick(); };

  top->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnMouseDown = [](ui::Control& c, ui::MouseButton b, ui::ShiftState, int x, int y) { frame::Drag(c, b, x, y); };
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tdevsel::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

void Tdevsel::Open(ui::Form* department) {
  engine->PlayClickSound();
  Hide();
  department->Show();
}

void Tdevsel::mb1Click() { Open(mbshop); }

void Tdevsel::mb2Click() {
  // This one shows its department before the chooser goes.
  engine->PlayClickSound();
  mbshop2->Show();
  Hide();
}

// The Intel processors are the second processor department, the AMD ones the first.
void Tdevsel::pr1Click() { Open(prshop2); }
void Tdevsel::pr2Click() { Open(prshop); }
void Tdevsel::ramClick() { Open(rshop); }
void Tdevsel::v1Click() { Open(vshop); }
void Tdevsel::v2Click() { Open(vshop2); }
void Tdevsel::hddClick() { Open(hshop); }
void Tdevsel::mdClick() { Open(mdshop); }
void Tdevsel::mnClick() { Open(mnshop); }

void Tdevsel::closeClick() {
  engine->PlayCloseSound();
  Hide();
  travel->Show();
}
