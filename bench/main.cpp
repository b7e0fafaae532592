// The benchmarks' entry: runs them, then prints how each measured piece of
// the game compares with the bare work underneath it (fastest repetition
// against fastest repetition). Nothing here judges a figure; the ratios are
// for reading.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    benchmark::ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      // A single run, or the "min" statistic of repeated ones.
      if (run.error_occurred) continue;
      if (run.run_type == Run::RT_Iteration && run.repetitions > 1) continue;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "min") continue;
      const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      // The fastest repetition: the one least disturbed by the rest of the machine.
      auto [it, fresh] = times_.emplace(run.run_name.function_name, seconds);
      if (!fresh && seconds < it->second) it->second = seconds;
    }
  }

  void Finalize() override {
    benchmark::ConsoleReporter::Finalize();
    struct Pair {
      const char* what;
      const char* measured;
      const char* bare;
      double target;
    };
    const Pair pairs[] = {
        {"mouse move over the main menu / bare decode of its six skins", "BM_MenuMove", "BM_MenuMoveBareDecode", 1.3},
        {"start-up of the 69 forms / bare decode of its pictures + bare configuration parse", "BM_Startup",
         "BM_StartupBareWork", 1.5},
    };
    std::printf("\n");
    for (const Pair& p : pairs) {
      const auto a = times_.find(p.measured), b = times_.find(p.bare);
      if (a == times_.end() || b == times_.end() || b->second <= 0) continue;
      std::printf("ratio %-80s %6.2fx  (target <= %.1fx)\n", p.what, a->second / b->second, p.target);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
