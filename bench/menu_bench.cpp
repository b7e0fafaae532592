// (a) A mouse move over a screen's skinned buttons, in SDL windows (the dummy
// video driver unless SDL_VIDEODRIVER says otherwise): the move is an SDL
// event, handled, the hovered skins read and decoded from disk, the window
// painted and presented, as a player's move is. Two screens: the main menu
// (six buttons) and the hardware department chooser (ten). The floor of
// each is the bare libjpeg-turbo decode of the very files its moves load.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BareJpeg.h"
#include "BenchGame.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "hardware/Dsel.h"
#include "ui/Image.h"

namespace {

enum class Screen { Menu, Chooser };

std::vector<ui::Image*> Buttons(Screen screen) {
  if (screen == Screen::Menu) return {Form1->game, Form1->load, Form1->save, Form1->help, Form1->set, Form1->close};
  return {devsel->mb1, devsel->mb2, devsel->pr1, devsel->pr2, devsel->ram,
          devsel->v1,  devsel->v2,  devsel->hdd, devsel->md,  devsel->mn};
}

void ShowScreen(bench::BenchGame& game, Screen screen) {
  if (screen == Screen::Chooser) {
    game.app().MainForm()->Hide();
    devsel->Show();
  }
  game.pump();
}

// From button to button, a few pixels apart each time, as a hand moves.
void Move(bench::BenchGame& game, const std::vector<ui::Image*>& buttons, size_t k) {
  ui::Image* b = buttons[k % buttons.size()];
  game.moveTo(b, b->Width() / 2 + static_cast<int>(k % 7) - 3, b->Height() / 2);
}

int Loads(const std::vector<ui::Image*>& buttons) {
  int loads = 0;
  for (ui::Image* b : buttons) loads += b->Picture.LoadCount();
  return loads;
}

// The files each move of a round over the buttons loads, found by making
// the moves headless once.
const std::vector<std::vector<std::string>>& FilesOfMoves(Screen screen) {
  static std::vector<std::vector<std::string>> files[2];
  auto& out = files[screen == Screen::Menu ? 0 : 1];
  if (!out.empty()) return out;
  bench::ProgramFolder folder;
  bench::BenchGame game(folder);
  ShowScreen(game, screen);
  const std::vector<ui::Image*> buttons = Buttons(screen);
  for (size_t k = 0; k < 2 * buttons.size(); ++k) {
    std::vector<int> before;
    for (ui::Image* b : buttons) before.push_back(b->Picture.LoadCount());
    Move(game, buttons, k);
    std::vector<std::string> move;
    for (size_t i = 0; i < buttons.size(); ++i) {
      // An image loaded more than once in a move loaded its last file each time.
      for (int n = before[i]; n < buttons[i]->Picture.LoadCount(); ++n)
        move.push_back(bench::LastingPath(buttons[i]->Picture.FileName()));
    }
    if (k >= buttons.size()) out.push_back(move);  // the second round: from button to button
  }
  return out;
}

void MovePresented(benchmark::State& state, Screen screen) {
  bench::ProgramFolder folder;
  bench::BenchGame game(folder, true, bench::Backend::Sdl);
  ShowScreen(game, screen);
  const std::vector<ui::Image*> buttons = Buttons(screen);
  for (size_t k = 0; k < buttons.size(); ++k) Move(game, buttons, k);
  const int before = Loads(buttons);
  size_t k = 0;
  for (auto _ : state) Move(game, buttons, k++);
  state.counters["skins_per_move"] = static_cast<double>(Loads(buttons) - before) / static_cast<double>(k);
}

void MoveBareDecode(benchmark::State& state, Screen screen) {
  const auto& moves = FilesOfMoves(screen);
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

void BM_MenuMove(benchmark::State& state) { MovePresented(state, Screen::Menu); }
void BM_MenuMoveBareDecode(benchmark::State& state) { MoveBareDecode(state, Screen::Menu); }
void BM_ChooserMove(benchmark::State& state) { MovePresented(state, Screen::Chooser); }
void BM_ChooserMoveBareDecode(benchmark::State& state) { MoveBareDecode(state, Screen::Chooser); }

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
