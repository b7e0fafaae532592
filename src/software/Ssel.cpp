#include "software/Ssel.h"

#include "city/Travel.h"
#include "engine/Class.h"
#include "software/SoftShop.h"

Tsoftsel* softsel = nullptr;

Tsoftsel::Tsoftsel(ui::Application& app) : Screen(app, {252, 220, "Магазин ПО", "menu", "X", frame::Back(travel)}) {
  // The four departments, each caption centred on its 220 × 37 button.
  using S = Tsoftsel;
  constexpr auto Centred = frame::CaptionPlace::Centred;
  AddButtons<S>({
      {&S::os, &S::osl, {"os", 16, 32, 220, 37, "Операционные системы", Centred}, &S::osClick},
      {&S::text, &S::textl, {"text", 16, 80, 220, 37, "Офисные пакеты", Centred}, &S::textClick},
      {&S::k, &S::kl, {"k", 16, 128, 220, 37, "Компиляторы", Centred}, &S::kClick},
      {&S::game, &S::gamel, {"game", 16, 176, 220, 37, "Игры", Centred}, &S::gameClick},
  });
}

void Tsoftsel::osClick() { frame::HideThenShow(this, osshop); }
void Tsoftsel::textClick() { frame::HideThenShow(this, textshop); }
void Tsoftsel::kClick() { frame::HideThenShow(this, kshop); }
void Tsoftsel::gameClick() { frame::HideThenShow(this, gameshop); }
