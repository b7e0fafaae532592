#include "hardware/Dsel.h"

#include "city/Travel.h"
#include "engine/Class.h"
#include "hardware/Shops.h"

Tdevsel* devsel = nullptr;

Tdevsel::Tdevsel(ui::Application& app) : ui::Form(app) {
  SetClientSize(505, 386);
  Position = ui::FormPosition::ScreenCenter;
  Color = ui::clBlack;
  Font.Name = "Verdana";
  Font.Size = 13;
  Font.Color = ui::clBlack;

  top = frame::MakeTitle(this, "Выбор отдела");
  close = frame::MakeCloseLabel(this, "X", 490);

  // The button list, in the order of every skin change; each caption is
  // centred across its 220 × 37 button.
  struct Department {
    ui::Image*& picture;
    ui::Label*& label;
    const char* name;
    int left;
    int top;
    const char* caption;
    void (Tdevsel::*click)();
  };
  const Department departments[] = {
      {mb1, mb1l, "mb1", 24, 40, "Материнские платы Intel", &Tdevsel::mb1Click},
      {mb2, mb2l, "mb2", 264, 40, "Материнские платы AMD", &Tdevsel::mb2Click},
      {pr1, pr1l, "pr1", 24, 88, "Процессоры Intel", &Tdevsel::pr1Click},
      {pr2, pr2l, "pr2", 264, 88, "Процессоры AMD", &Tdevsel::pr2Click},
      {ram, raml, "ram", 144, 136, "Оперативная память DDR II", &Tdevsel::ramClick},
      {v1, v1l, "v1", 24, 184, "Видео карты NVidia (PCI-E)", &Tdevsel::v1Click},
      {v2, v2l, "v2", 264, 184, "Видео карты ATI (PCI-E)", &Tdevsel::v2Click},
      {hdd, hddl, "hdd", 144, 232, "Жесткие диски", &Tdevsel::hddClick},
      {md, mdl, "md", 144, 280, "Модемы", &Tdevsel::mdClick},
      {mn, mnl, "mn", 144, 328, "Мониторы LCD", &Tdevsel::mnClick},
  };
  for (const Department& d : departments) {
    const frame::Button made =
        frame::MakeButton(this, &skins_, {d.name, d.left, d.top, 220, 37, d.caption, frame::CaptionPlace::Across, 10},
                          [this, click = d.click] { (this->*click)(); });
    d.picture = made.picture;
    d.label = made.label;
  }

  close->OnClick = [this](ui::Control&) { closeClick(); };

  top->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  frame::BindDrag(this);
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
