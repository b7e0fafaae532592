// (c) One game year of virtual time (365 days of 1500 ms) on the game screen
// with its timers running. The player is rich, and rests every evening (mood
// and health back to 100) so that nothing ends the game early whatever the
// decay rules take; every message window that comes up is answered with
// Enter. The figure to read is the CPU time.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchGame.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "platform/Conversions.h"

namespace {

constexpr uint64_t kDayMs = 1500;
constexpr int kDays = 365;

void RestForTheNight() {
  int mood = 0, health = 0;
  if (!platform::TryStrToInt(menu->funny->Caption(), mood) || mood < 100) {
    menu->funny->Caption = "100";
    engine->Fun = 100;
  }
  if (!platform::TryStrToInt(menu->hp->Caption(), health) || health < 100) {
    menu->hp->Caption = "100";
    engine->Health = 100;
  }
}

void BM_GameYear(benchmark::State& state) {
  bench::ProgramFolder folder(
      {{"Money", "100000000"}, {"Fun", "100"}, {"MaxFun", "100"}, {"Health", "100"}, {"Home", "3"}});
  int answered = 0, closed = 0, ended = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto game = std::make_unique<bench::BenchGame>(folder);
    game->app().MainForm()->Hide();
    menu->Show();
    game->pump();
    state.ResumeTiming();

    for (int day = 0; day < kDays && !game->app().Terminated(); ++day) {
      game->advance(kDayMs);
      RestForTheNight();
    }

    state.PauseTiming();
    answered += game->modalsAnswered();
    closed += game->modalsClosed();
    ended += game->app().Terminated() ? 1 : 0;
    game.reset();
    state.ResumeTiming();
  }
  const auto runs = static_cast<double>(state.iterations());
  state.counters["messages_answered"] = answered / runs;
  state.counters["windows_closed"] = closed / runs;
  state.counters["ended_early"] = ended / runs;
}
BENCHMARK(BM_GameYear)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
