// (c) Game years of virtual time (365 days of 1500 ms each) on the game
// screen, headless, over 1, 2, 4 and 8 years in one run: the cost of a year
// must not grow with the length of the game (the log grows all the while).
// At the start of every year every timer of the game screen that a game
// starts is running: the day clock, mood and health, the release calendars
// of hardware and software, the vacancy calendar, the university's feeder
// of the year and its six paid courses, the design document and the
// development run. The player is rich and rests every evening (mood and
// health back to 100) so that nothing ends the game early; every message
// window that comes up is answered with Enter.
// The time column is the process's CPU time per year; the counters give the
// wall time per year beside it.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>

#include "BareJpeg.h"
#include "BenchGame.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "platform/Conversions.h"
#include "ui/Timer.h"

namespace {

constexpr uint64_t kDayMs = 1500;

// The process's CPU seconds in the kernel (the log's writes among them).
double SystemSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_stime.tv_sec) + static_cast<double>(usage.ru_stime.tv_usec) * 1e-6;
}
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

// Every run flag of the game screen's timers up, each course from its first
// tick, then the timers started as the game screen starts them.
int StartEveryTimer() {
  Tmenu& m = *menu;
  m.Devt1On = m.Devt2On = m.Devt3On = true;
  m.Soft1On = m.Soft2On = true;
  m.TworkOn = true;
  m.CourseYear = 4;
  for (int i = 0; i < 3; ++i) {
    m.Level1CourseOn[i] = m.Level2CourseOn[i] = true;
    m.Level1CourseTicks[i] = m.Level2CourseTicks[i] = 0;
  }
  m.DdocActive = true;
  m.DdocDay = 0;
  m.DdocLength = 1000000;
  m.DevActive = true;
  m.DevStep = 0;
  m.DevSteps = 1000000;
  m.DevLanguage = "С++";
  m.StartGameTimers();
  int running = 0;
  for (ui::Timer* t : {m.tfun,      m.thp,       m.ttime,     m.devt1,     m.devt2,     m.devt3,      m.soft1,
                       m.soft2,     m.umTimer,   m.twork,     m.cpp,       m.pas,       m.php,        m.cpp1level,
                       m.pas1level, m.php1level, m.cpp2level, m.pas2level, m.php2level, m.ddoc_timer, m.sgDevTimer}) {
    running += t->Enabled() ? 1 : 0;
  }
  return running;
}

void BM_GameYears(benchmark::State& state) {
  const int years = static_cast<int>(state.range(0));
  bench::ProgramFolder folder(
      {{"Money", "2000000000"}, {"Fun", "100"}, {"MaxFun", "100"}, {"Health", "100"}, {"Home", "3"}});
  int answered = 0, ended = 0, running = 0, lines = 0;
  double wallPerYear = 0, systemPerYear = 0;
  for (auto _ : state) {
    auto game = std::make_unique<bench::BenchGame>(folder);
    game->app().MainForm()->Hide();
    menu->Show();
    game->pump();
    double cpu = 0, wall = 0, system = 0;
    for (int year = 0; year < years && !game->app().Terminated(); ++year) {
      running = StartEveryTimer();
      const double cpu0 = bench::ProcessCpuSeconds(), wall0 = bench::WallSeconds(), system0 = SystemSeconds();
      for (int day = 0; day < kDays && !game->app().Terminated(); ++day) {
        game->advance(kDayMs);
        RestForTheNight();
      }
      cpu += bench::ProcessCpuSeconds() - cpu0;
      wall += bench::WallSeconds() - wall0;
      system += SystemSeconds() - system0;
    }
    state.SetIterationTime(cpu / years);
    wallPerYear = wall / years;
    systemPerYear = system / years;
    answered = game->modalsAnswered();
    ended = game->app().Terminated() ? 1 : 0;
    lines = engine->LogLines.Count();
    game.reset();
  }
  state.counters["wall_ms_per_year"] = wallPerYear * 1000;
  state.counters["kernel_ms_per_year"] = systemPerYear * 1000;
  state.counters["timers_running"] = running;
  state.counters["log_lines"] = lines;
  state.counters["messages_answered"] = answered;
  state.counters["ended_early"] = ended;
}
BENCHMARK(BM_GameYears)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Arg(8)
    ->Iterations(1)
    ->Repetitions(5)
    ->UseManualTime()
    ->ComputeStatistics("min", bench::Fastest)
    ->DisplayAggregatesOnly()
    ->Unit(benchmark::kMillisecond);

}  // namespace
