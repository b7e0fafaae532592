#include "software/Gameshop.h"

#include "engine/Class.h"

Tgameshop* gameshop = nullptr;

namespace {
// The catalogue holds the games' names only; their prices are the shop's.
const SoftDepartmentDesign kGameshop{"Отдел игр",
                                     "игра",
                                     9,
                                     {{{"hl", &Tzenx::G1, nullptr, 400, true},
                                       {"homm", &Tzenx::G2, nullptr, 450, true},
                                       {"gta", &Tzenx::G3, nullptr, 500, false},
                                       {"mm", &Tzenx::G4, nullptr, 550, false},
                                       {"aoe", &Tzenx::G5, nullptr, 600, false},
                                       {"fear", &Tzenx::G6, nullptr, 650, false},
                                       {"fifa", &Tzenx::G7, nullptr, 700, false},
                                       {"nfs", &Tzenx::G8, nullptr, 750, false},
                                       {"tdu", &Tzenx::G9, nullptr, 350, false}}}};
}  // namespace

Tgameshop::Tgameshop(ui::Application& app) : SoftDepartment(app, kGameshop) {
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
