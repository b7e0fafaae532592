#include "software/SoftShop.h"

#include "engine/Class.h"
#include "software/Ssel.h"

Tosshop* osshop = nullptr;
Ttextshop* textshop = nullptr;
Tkshop* kshop = nullptr;
Tgameshop* gameshop = nullptr;

namespace {
// Items 220 pixels wide lie 44 pixels apart from the top of the window down,
// a hidden one keeping its place.
const Store kSoftwareStore{
    "menu", 252, 16, 32, 44, 220, 8, false, true, false, &Tzenx::BuyProgram, frame::Back(softsel)};
}  // namespace

Tosshop::Tosshop(ui::Application& app) : Tdepartment(app, kSoftwareStore, "Отдел операционных систем", "ос") {
  AddItems<Tosshop>({
      {&Tosshop::home, &Tosshop::homel, {"home", &Tzenx::Os1, &Tzenx::Os1c, true}},
      {&Tosshop::pro, &Tosshop::prol, {"pro", &Tzenx::Os2, &Tzenx::Os2c, true}},
      {&Tosshop::basic, &Tosshop::basicl, {"basic", &Tzenx::Os3, &Tzenx::Os3c, false}},
      {&Tosshop::ult, &Tosshop::ultl, {"ult", &Tzenx::Os4, &Tzenx::Os4c, false}},
  });
}

Ttextshop::Ttextshop(ui::Application& app) : Tdepartment(app, kSoftwareStore, "Отдел офисных пакетов", "офис") {
  AddItems<Ttextshop>({
      {&Ttextshop::star, &Ttextshop::starl, {"star", &Tzenx::Of1, &Tzenx::Of1c, true}},
      {&Ttextshop::open, &Ttextshop::openl, {"open", &Tzenx::Of2, &Tzenx::Of2c, false}},
      {&Ttextshop::ms, &Ttextshop::msl, {"ms", &Tzenx::Of3, &Tzenx::Of3c, false}},
  });
}

Tkshop::Tkshop(ui::Application& app) : Tdepartment(app, kSoftwareStore, "Отдел компиляторов", "компилятор") {
  AddItems<Tkshop>({
      {&Tkshop::bcb, &Tkshop::bcbl, {"bcb", &Tzenx::Kcpp1, &Tzenx::Kcpp1c, true}},
      {&Tkshop::ms, &Tkshop::msl, {"ms", &Tzenx::Kcpp2, &Tzenx::Kcpp2c, false}},
      {&Tkshop::tp, &Tkshop::tpl, {"tp", &Tzenx::Kpas1, &Tzenx::Kpas1c, true}},
      {&Tkshop::del, &Tkshop::dell, {"del", &Tzenx::Kpas2, &Tzenx::Kpas2c, false}},
      {&Tkshop::php4, &Tkshop::php4l, {"php4", &Tzenx::Kphp1, &Tzenx::Kphp1c, true}},
      {&Tkshop::php5, &Tkshop::php5l, {"php5", &Tzenx::Kphp2, &Tzenx::Kphp2c, false}},
  });
}

// The catalogue holds the games' names only; their prices are the shop's.
Tgameshop::Tgameshop(ui::Application& app) : Tdepartment(app, kSoftwareStore, "Отдел игр", "игра") {
  AddItems<Tgameshop>({
      {&Tgameshop::hl, &Tgameshop::hll, {"hl", &Tzenx::G1, nullptr, true, 400}},
      {&Tgameshop::homm, &Tgameshop::homml, {"homm", &Tzenx::G2, nullptr, true, 450}},
      {&Tgameshop::gta, &Tgameshop::gtal, {"gta", &Tzenx::G3, nullptr, false, 500}},
      {&Tgameshop::mm, &Tgameshop::mml, {"mm", &Tzenx::G4, nullptr, false, 550}},
      {&Tgameshop::aoe, &Tgameshop::aoel, {"aoe", &Tzenx::G5, nullptr, false, 600}},
      {&Tgameshop::fear, &Tgameshop::fearl, {"fear", &Tzenx::G6, nullptr, false, 650}},
      {&Tgameshop::fifa, &Tgameshop::fifal, {"fifa", &Tzenx::G7, nullptr, false, 700}},
      {&Tgameshop::nfs, &Tgameshop::nfsl, {"nfs", &Tzenx::G8, nullptr, false, 750}},
      {&Tgameshop::tdu, &Tgameshop::tdul, {"tdu", &Tzenx::G9, nullptr, false, 350}},
  });
  KeyPreview = true;
  OnKeyDown = [this](ui::Control&, int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
}

void Tgameshop::FormKeyDown(int& key, ui::ShiftState shift) {
  if (key == 'T' && (shift & ui::ssAlt) != 0) {
    tdu->Visible = true;
    tdul->Visible = true;
    engine->ShowInfoMessage("Вы открыли скрытую игру Test Drive!");
  }
}
