#include "hardware/Dsel.h"

#include "city/Travel.h"
#include "engine/Class.h"
#include "hardware/Shops.h"

Tdevsel* devsel = nullptr;

Tdevsel::Tdevsel(ui::Application& app) : Screen(app, {505, 386, "Выбор отдела", "menu", "X", frame::Back(travel)}) {
  Font.Color = ui::clBlack;  // this window's own font is black

  // The button list, in the order of every skin change; each caption is
  // centred across its 220 × 37 button.
  using S = Tdevsel;
  constexpr auto Across = frame::CaptionPlace::Across;
  AddButtons<S>({
      {&S::mb1, &S::mb1l, {"mb1", 24, 40, 220, 37, "Материнские платы Intel", Across, 10}, &S::mb1Click},
      {&S::mb2, &S::mb2l, {"mb2", 264, 40, 220, 37, "Материнские платы AMD", Across, 10}, &S::mb2Click},
      {&S::pr1, &S::pr1l, {"pr1", 24, 88, 220, 37, "Процессоры Intel", Across, 10}, &S::pr1Click},
      {&S::pr2, &S::pr2l, {"pr2", 264, 88, 220, 37, "Процессоры AMD", Across, 10}, &S::pr2Click},
      {&S::ram, &S::raml, {"ram", 144, 136, 220, 37, "Оперативная память DDR II", Across, 10}, &S::ramClick},
      {&S::v1, &S::v1l, {"v1", 24, 184, 220, 37, "Видео карты NVidia (PCI-E)", Across, 10}, &S::v1Click},
      {&S::v2, &S::v2l, {"v2", 264, 184, 220, 37, "Видео карты ATI (PCI-E)", Across, 10}, &S::v2Click},
      {&S::hdd, &S::hddl, {"hdd", 144, 232, 220, 37, "Жесткие диски", Across, 10}, &S::hddClick},
      {&S::md, &S::mdl, {"md", 144, 280, 220, 37, "Модемы", Across, 10}, &S::mdClick},
      {&S::mn, &S::mnl, {"mn", 144, 328, 220, 37, "Мониторы LCD", Across, 10}, &S::mnClick},
  });
}

void Tdevsel::mb1Click() { frame::HideThenShow(this, mbshop); }

// This one shows its department before the chooser goes.
void Tdevsel::mb2Click() { frame::ShowThenHide(this, mbshop2); }

// The Intel processors are the second processor department, the AMD ones the first.
void Tdevsel::pr1Click() { frame::HideThenShow(this, prshop2); }
void Tdevsel::pr2Click() { frame::HideThenShow(this, prshop); }
void Tdevsel::ramClick() { frame::HideThenShow(this, rshop); }
void Tdevsel::v1Click() { frame::HideThenShow(this, vshop); }
void Tdevsel::v2Click() { frame::HideThenShow(this, vshop2); }
void Tdevsel::hddClick() { frame::HideThenShow(this, hshop); }
void Tdevsel::mdClick() { frame::HideThenShow(this, mdshop); }
void Tdevsel::mnClick() { frame::HideThenShow(this, mnshop); }
