// (a) A mouse move over a screen's skinned buttons, in SDL windows (the dummy
// video driver unless SDL_VIDEODRIVER says otherwise): the move is an SDL
// event, handled, the hovered skins read and decoded from disk, the window
// painted and presented, as a player's move is. Two screens: the main menu
// (six buttons) and the hardware department chooser (ten). The floor of
// each is the bare libjpeg-turbo decode of the very files its moves load.
// On the dummy driver presenting costs nothing: zx_bench_hover makes the
// same moves in a real X window.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BareJpeg.h"
#include "BenchGame.h"
#include "HoverRoute.h"

namespace {

using bench::HoverScreen;

void Move(bench::BenchGame& game, const std::vector<ui::Image*>& buttons, size_t k) {
  const bench::HoverPoint p = bench::HoverMove(buttons, k);
  game.moveTo(p.button, p.x, p.y);
}

void MovePresented(benchmark::State& state, HoverScreen screen) {
  bench::ProgramFolder folder;
  bench::BenchGame game(folder, true, bench::Backend::Sdl);
  bench::ShowHoverScreen(game, screen);
  const std::vector<ui::Image*> buttons = bench::HoverButtons(screen);
  for (size_t k = 0; k < buttons.size(); ++k) Move(game, buttons, k);
  const int before = bench::HoverLoads(buttons);
  size_t k = 0;
  for (auto _ : state) Move(game, buttons, k++);
  state.counters["skins_per_move"] = static_cast<double>(bench::HoverLoads(buttons) - before) / static_cast<double>(k);
}

void MoveBareDecode(benchmark::State& state, HoverScreen screen) {
  const auto& moves = bench::HoverFilesOfMoves(screen);
  size_t k = 0, skins = 0;
  for (auto _ : state) {
    for (const std::string& file : moves[k % moves.size()]) {
      const bench::BarePicture p = bench::BareJpegDecode(file);
      benchmark::DoNotOptimize(p.pixels.get());
      ++skins;
    }
    ++k;
  }
  state.counters["skins_per_move"] = static_cast<double>(skins) / static_cast<double>(k);
}

void BM_MenuMove(benchmark::State& state) { MovePresented(state, HoverScreen::Menu); }
void BM_MenuMoveBareDecode(benchmark::State& state) { MoveBareDecode(state, HoverScreen::Menu); }
void BM_ChooserMove(benchmark::State& state) { MovePresented(state, HoverScreen::Chooser); }
void BM_ChooserMoveBareDecode(benchmark::State& state) { MoveBareDecode(state, HoverScreen::Chooser); }

#define ZX_REPEATED(name)                        \
  BENCHMARK(name)                                \
      ->Repetitions(9)                           \
      ->DisplayAggregatesOnly()                  \
      ->MinTime(0.05)                            \
      ->ComputeStatistics("min", bench::Fastest) \
      ->Unit(benchmark::kMicrosecond)
ZX_REPEATED(BM_MenuMove);
ZX_REPEATED(BM_MenuMoveBareDecode);
ZX_REPEATED(BM_ChooserMove);
ZX_REPEATED(BM_ChooserMoveBareDecode);

}  // namespace
