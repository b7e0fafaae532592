#include "hardware/Shops.h"

#include "engine/Class.h"
#include "hardware/Dsel.h"

Tmbshop* mbshop = nullptr;
Tmbshop2* mbshop2 = nullptr;
Tprshop* prshop = nullptr;
Tprshop2* prshop2 = nullptr;
Trshop* rshop = nullptr;
Tvshop* vshop = nullptr;
Tvshop2* vshop2 = nullptr;
Thshop* hshop = nullptr;
Tmdshop* mdshop = nullptr;
Tmnshop* mnshop = nullptr;

namespace {
// Items 275 pixels wide lie 48 pixels apart from the top of the window down.
const Store kComputerStore{"farm", 289, 8, 40, 48, 275, 5, true, false, true, &Tzenx::BuyDevice, frame::Back(devsel)};
}  // namespace

Tmbshop::Tmbshop(ui::Application& app)
    : Tdepartment(app, kComputerStore, "Отдел материнских плат Intel", "материнская плата") {
  AddItems<Tmbshop>({
      {&Tmbshop::mb1, &Tmbshop::mb1l, {"mb1", &Tzenx::Mb1i, &Tzenx::Mb1ic, true}},
      {&Tmbshop::mb2, &Tmbshop::mb2l, {"mb2", &Tzenx::Mb2i, &Tzenx::Mb2ic, true}},
      {&Tmbshop::mb3, &Tmbshop::mb3l, {"mb3", &Tzenx::Mb3i, &Tzenx::Mb3ic, false}},
  });
}

Tmbshop2::Tmbshop2(ui::Application& app)
    : Tdepartment(app, kComputerStore, "Отдел материнских плат AMD", "материнская плата") {
  AddItems<Tmbshop2>({
      {&Tmbshop2::mb1, &Tmbshop2::mb1l, {"mb1", &Tzenx::Mb1a, &Tzenx::Mb1ac, true}},
      {&Tmbshop2::mb2, &Tmbshop2::mb2l, {"mb2", &Tzenx::Mb2a, &Tzenx::Mb2ac, false}},
      {&Tmbshop2::mb3, &Tmbshop2::mb3l, {"mb3", &Tzenx::Mb3a, &Tzenx::Mb3ac, false}},
  });
}

Tprshop::Tprshop(ui::Application& app) : Tdepartment(app, kComputerStore, "Отдел процессоров AMD", "процессор") {
  AddItems<Tprshop>({
      {&Tprshop::pr1, &Tprshop::pr1l, {"pr1", &Tzenx::Pr1a, &Tzenx::Pr1ac, true}},
      {&Tprshop::pr2, &Tprshop::pr2l, {"pr2", &Tzenx::Pr2a, &Tzenx::Pr2ac, true}},
      {&Tprshop::pr3, &Tprshop::pr3l, {"pr3", &Tzenx::Pr3a, &Tzenx::Pr3ac, false}},
      {&Tprshop::pr4, &Tprshop::pr4l, {"pr4", &Tzenx::Pr4a, &Tzenx::Pr4ac, false}},
  });
}

Tprshop2::Tprshop2(ui::Application& app) : Tdepartment(app, kComputerStore, "Отдел процессоров Intel", "процессор") {
  AddItems<Tprshop2>({
      {&Tprshop2::pr1, &Tprshop2::pr1l, {"pr1", &Tzenx::Pr1i, &Tzenx::Pr1ic, true}},
      {&Tprshop2::pr2, &Tprshop2::pr2l, {"pr2", &Tzenx::Pr2i, &Tzenx::Pr2ic, true}},
      {&Tprshop2::pr3, &Tprshop2::pr3l, {"pr3", &Tzenx::Pr3i, &Tzenx::Pr3ic, false}},
      {&Tprshop2::pr4, &Tprshop2::pr4l, {"pr4", &Tzenx::Pr4i, &Tzenx::Pr4ic, false}},
  });
}

Trshop::Trshop(ui::Application& app) : Tdepartment(app, kComputerStore, "Отдел оперативной памяти", "озу") {
  AddItems<Trshop>({
      {&Trshop::r1, &Trshop::r1l, {"r1", &Tzenx::Ram1, &Tzenx::Ram1c, true}},
      {&Trshop::r2, &Trshop::r2l, {"r2", &Tzenx::Ram2, &Tzenx::Ram2c, true}},
      {&Trshop::r3, &Trshop::r3l, {"r3", &Tzenx::Ram3, &Tzenx::Ram3c, true}},
      {&Trshop::r4, &Trshop::r4l, {"r4", &Tzenx::Ram4, &Tzenx::Ram4c, false}},
  });
}

Tvshop::Tvshop(ui::Application& app) : Tdepartment(app, kComputerStore, "Отдел видео карт NVidia", "видео") {
  AddItems<Tvshop>({
      {&Tvshop::v1, &Tvshop::v1l, {"v1", &Tzenx::Vid1g, &Tzenx::Vid1gc, true}},
      {&Tvshop::v2, &Tvshop::v2l, {"v2", &Tzenx::Vid2g, &Tzenx::Vid2gc, true}},
      {&Tvshop::v3, &Tvshop::v3l, {"v3", &Tzenx::Vid3g, &Tzenx::Vid3gc, false}},
      {&Tvshop::v4, &Tvshop::v4l, {"v4", &Tzenx::Vid4g, &Tzenx::Vid4gc, false}},
  });
}

Tvshop2::Tvshop2(ui::Application& app) : Tdepartment(app, kComputerStore, "Отдел видео карт ATI", "видео") {
  AddItems<Tvshop2>({
      {&Tvshop2::v1, &Tvshop2::v1l, {"v1", &Tzenx::Vid1a, &Tzenx::Vid1ac, true}},
      {&Tvshop2::v2, &Tvshop2::v2l, {"v2", &Tzenx::Vid2a, &Tzenx::Vid2ac, true}},
      {&Tvshop2::v3, &Tvshop2::v3l, {"v3", &Tzenx::Vid3a, &Tzenx::Vid3ac, false}},
      {&Tvshop2::v4, &Tvshop2::v4l, {"v4", &Tzenx::Vid4a, &Tzenx::Vid4ac, false}},
  });
}

Thshop::Thshop(ui::Application& app) : Tdepartment(app, kComputerStore, "Отдел винчестеров SATA-II", "винчестер") {
  AddItems<Thshop>({
      {&Thshop::h1, &Thshop::h1l, {"h1", &Tzenx::Hdd1, &Tzenx::Hdd1c, true}},
      {&Thshop::h2, &Thshop::h2l, {"h2", &Tzenx::Hdd2, &Tzenx::Hdd2c, true}},
      {&Thshop::h3, &Thshop::h3l, {"h3", &Tzenx::Hdd3, &Tzenx::Hdd3c, false}},
      {&Thshop::h4, &Thshop::h4l, {"h4", &Tzenx::Hdd4, &Tzenx::Hdd4c, false}},
  });
}

Tmdshop::Tmdshop(ui::Application& app) : Tdepartment(app, kComputerStore, "Отдел модемов", "модем") {
  AddItems<Tmdshop>({
      {&Tmdshop::m1, &Tmdshop::m1l, {"m1", &Tzenx::Mod1, &Tzenx::Mod1c, true}},
      {&Tmdshop::m2, &Tmdshop::m2l, {"m2", &Tzenx::Mod2, &Tzenx::Mod2c, false}},
  });
}

Tmnshop::Tmnshop(ui::Application& app) : Tdepartment(app, kComputerStore, "Отдел мониторов LCD", "монитор") {
  AddItems<Tmnshop>({
      {&Tmnshop::m1, &Tmnshop::m1l, {"m1", &Tzenx::Mon1, &Tzenx::Mon1c, true}},
      {&Tmnshop::m2, &Tmnshop::m2l, {"m2", &Tzenx::Mon2, &Tzenx::Mon2c, false}},
      {&Tmnshop::m3, &Tmnshop::m3l, {"m3", &Tzenx::Mon3, &Tzenx::Mon3c, false}},
  });
}
