// (b) Start-up, beside the bare work underneath it: decoding every picture
// the start-up loads (as often as it loads it) with libjpeg-turbo's and
// SDL's own calls, and parsing the configuration.
//   BM_Startup / BM_StartupBareWork: warm, in this process: the 69 forms
//     created and the main menu shown (headless).
//   BM_ColdStart / BM_ColdStartBareWork: cold, each a fresh process: the
//     game itself to its headless main menu (`zendrix2 --headless 0`), and
//     zx_bench_bare_start doing the bare work. The time is the process's wall
//     time from its start to its end; its CPU time is a counter.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "BareJpeg.h"
#include "BenchGame.h"
#include "platform/SystemFolder.h"

extern char** environ;

namespace {

void BM_Startup(benchmark::State& state) {
  bench::ProgramFolder folder;
  size_t forms = 0;
  for (auto _ : state) {
    auto game = std::make_unique<bench::BenchGame>(folder);
    state.PauseTiming();
    forms = game->app().Forms().size();
    game.reset();
    state.ResumeTiming();
  }
  state.counters["forms"] = static_cast<double>(forms);
}
BENCHMARK(BM_Startup)
    ->Repetitions(5)
    ->DisplayAggregatesOnly()
    ->ComputeStatistics("min", bench::Fastest)
    ->Unit(benchmark::kMillisecond);

// The pictures the start-up loads, found by starting the game once.
const std::vector<std::string>& StartupPictures() {
  static std::vector<std::string> pictures;
  if (pictures.empty()) {
    bench::ProgramFolder folder;
    bench::BenchGame game(folder);
    pictures = bench::PicturesLoaded(game.app());
  }
  return pictures;
}

void BM_StartupBareWork(benchmark::State& state) {
  bench::ProgramFolder folder;
  const std::vector<std::string>& pictures = StartupPictures();
  const std::string plain = platform::GetSystemDirectoryA() + "/config.pc";
  for (auto _ : state) {
    for (const std::string& file : pictures) {
      const bench::BarePicture picture = bench::BareDecode(file);
      benchmark::DoNotOptimize(picture.pixels.get());
    }
    bench::ParseConfiguration(folder.game() + "/config.pc", plain);
  }
  state.counters["pictures"] = static_cast<double>(pictures.size());
}
BENCHMARK(BM_StartupBareWork)
    ->Repetitions(5)
    ->DisplayAggregatesOnly()
    ->ComputeStatistics("min", bench::Fastest)
    ->Unit(benchmark::kMillisecond);

// Runs a program to its end; its wall and CPU seconds.
bool RunProcess(const std::vector<std::string>& args, double& wall, double& cpu) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const double start = bench::WallSeconds();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  wall = bench::WallSeconds() - start;
  cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
        static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void ColdStart(benchmark::State& state, bool bare) {
  bench::ProgramFolder folder;
  std::vector<std::string> args;
  if (bare) {
    const std::string list = folder.game() + "/pictures.txt";
    std::ofstream out(list);
    for (const std::string& file : StartupPictures()) out << file << "\n";
    args = {ZX_BENCH_DIR "/zx_bench_bare_start", list, folder.game() + "/config.pc",
            platform::GetSystemDirectoryA() + "/config.pc"};
  } else {
    // The game's own program folder layout, with the executable in it.
    args = {ZX_GAME_DIR "/zendrix2", "--headless", "0"};
  }
  double cpuTotal = 0;
  for (auto _ : state) {
    double wall = 0, cpu = 0;
    if (!RunProcess(args, wall, cpu)) {
      state.SkipWithError(("the process failed: " + args[0]).c_str());
      return;
    }
    state.SetIterationTime(wall);
    cpuTotal += cpu;
  }
  state.counters["cpu_ms"] = benchmark::Counter(cpuTotal * 1000, benchmark::Counter::kAvgIterations);
}

void BM_ColdStart(benchmark::State& state) { ColdStart(state, false); }
void BM_ColdStartBareWork(benchmark::State& state) { ColdStart(state, true); }
BENCHMARK(BM_ColdStart)
    ->Iterations(3)
    ->Repetitions(7)
    ->UseManualTime()
    ->DisplayAggregatesOnly()
    ->ComputeStatistics("min", bench::Fastest)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColdStartBareWork)
    ->Iterations(3)
    ->Repetitions(7)
    ->UseManualTime()
    ->DisplayAggregatesOnly()
    ->ComputeStatistics("min", bench::Fastest)
    ->Unit(benchmark::kMillisecond);

}  // namespace
