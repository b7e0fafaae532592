#include "software/Gameshop.h"

#include "engine/Class.h"

Tgameshop* gameshop = nullptr;

// The catalogue holds the games' names only; their prices are the shop's.
Tgameshop::Tgameshop(ui::Application& app) : SoftDepartment(app, "Отдел игр", "игра", 9) {
  hl = AddFixedPriceItem("hl", hll, engine->G1, 400, false);
  homm = AddFixedPriceItem("homm", homml, engine->G2, 450, false);
  gta = AddFixedPriceItem("gta", gtal, engine->G3, 500, true);
  mm = AddFixedPriceItem("mm", mml, engine->G4, 550, true);
  aoe = AddFixedPriceItem("aoe", aoel, engine->G5, 600, true);
  fear = AddFixedPriceItem("fear", fearl, engine->G6, 650, true);
  fifa = AddFixedPriceItem("fifa", fifal, engine->G7, 700, true);
  nfs = AddFixedPriceItem("nfs", nfsl, engine->G8, 750, true);
  tdu = AddFixedPriceItem("tdu", tdul, engine->G9, 350, true);

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
