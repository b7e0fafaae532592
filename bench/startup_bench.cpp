// (b) Start-up: the 69 forms created with the configuration and the main
// menu shown, beside the bare work underneath: decoding every picture the
// start-up loads (as often as it loads it) and parsing the configuration.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchGame.h"
#include "platform/SystemFolder.h"
#include "ui/ImageDecoders.h"

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

void BM_StartupBareWork(benchmark::State& state) {
  bench::ProgramFolder folder;
  std::vector<std::string> pictures;
  {
    bench::BenchGame game(folder);
    pictures = bench::PicturesLoaded(game.app());
  }
  const std::string plain = platform::GetSystemDirectoryA() + "/config.pc";
  for (auto _ : state) {
    for (const std::string& file : pictures) {
      const ui::Bitmap picture = ui::LoadPictureFile(file);
      benchmark::DoNotOptimize(picture.Pixels());
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

}  // namespace
