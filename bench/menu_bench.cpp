// (a) A mouse move over the main menu's buttons: each move reloads the six
// skins from disk, so the move is set beside the bare decode of those six
// files.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchGame.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "ui/ImageDecoders.h"

namespace {

std::vector<ui::Image*> MenuButtons() {
  return {Form1->game, Form1->load, Form1->save, Form1->help, Form1->set, Form1->close};
}

int Loads(const std::vector<ui::Image*>& buttons) {
  int loads = 0;
  for (ui::Image* b : buttons) loads += b->Picture.LoadCount();
  return loads;
}

void BM_MenuMove(benchmark::State& state) {
  bench::ProgramFolder folder;
  bench::BenchGame game(folder);
  const std::vector<ui::Image*> buttons = MenuButtons();
  const int before = Loads(buttons);
  size_t k = 0;
  for (auto _ : state) {
    // From button to button, a few pixels apart each time, as a hand moves.
    game.moveTo(buttons[k % buttons.size()], 100 + static_cast<int>(k % 7), 18);
    ++k;
  }
  state.counters["skins_per_move"] = static_cast<double>(Loads(buttons) - before) / static_cast<double>(k);
}
BENCHMARK(BM_MenuMove)
    ->Repetitions(5)
    ->DisplayAggregatesOnly()
    ->ComputeStatistics("min", bench::Fastest)
    ->Unit(benchmark::kMicrosecond);

void BM_MenuMoveBareDecode(benchmark::State& state) {
  bench::ProgramFolder folder;
  const std::string skins = folder.game() + "/data/buttons/";
  size_t k = 0;
  for (auto _ : state) {
    // One hovered skin and five plain ones, read and decoded.
    for (size_t b = 0; b < 6; ++b) {
      const ui::Bitmap skin = ui::LoadPictureFile(skins + (b == k % 6 ? "menu_2.jpg" : "menu_1.jpg"));
      benchmark::DoNotOptimize(skin.Pixels());
    }
    ++k;
  }
}
BENCHMARK(BM_MenuMoveBareDecode)
    ->Repetitions(5)
    ->DisplayAggregatesOnly()
    ->ComputeStatistics("min", bench::Fastest)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
