#include "development/Progress.h"

#include <algorithm>
#include <cstdint>

#include "city/Play.h"
#include "development/DevRules.h"
#include "engine/Class.h"
#include "platform/Conversions.h"

TdevProgress* devProgress = nullptr;

TdevProgress::TdevProgress(ui::Application& app)
    : Screen(app, {320, 134, "Разработка игры", nullptr, "X", frame::Back(menu)}) {
  constexpr auto kCentre = ui::Alignment::Center;
  // A long name takes a second line.
  frame::AddBoxes(this, {{&TdevProgress::name, {"name", 16, 24, 288, 32, "", kCentre, ui::TextLayout::Center, true}}});
  bar = frame::MakeBar(this, "bar", 16, 60, 288, 20, 100);
  frame::AddBoxes(this, {{&TdevProgress::percent, {"percent", 16, 86, 288, 16, "0%", kCentre}},
                         {&TdevProgress::left, {"left", 16, 108, 288, 16, "", kCentre}}});
  DragBy({name, percent, left});
}

void TdevProgress::Draw() {
  const int steps = menu->DevSteps > 0 ? menu->DevSteps : 1;
  const int done = std::clamp(menu->DevStep * 100 / steps, 0, 100);
  name->Caption = "\"" + menu->DevName + "\"";
  bar->Position = done;
  percent->Caption = platform::IntToStr(done) + "%";
  // The run goes on with the game's days, on the game screen: this window
  // only shows how far it has come and how many of those days are left.
  const int64_t leftMs =
      static_cast<int64_t>(std::max(0, menu->DevSteps - menu->DevStep)) * std::max(0, menu->sgDevTimer->Interval());
  const int64_t leftDays = (leftMs + devrules::kDayMs - 1) / devrules::kDayMs;
  left->Caption = "Осталось " + platform::IntToStr(static_cast<int>(leftDays)) + " дн. игрового времени";
}
