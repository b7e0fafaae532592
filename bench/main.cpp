// The benchmarks' entry: runs them, their repetitions taking turns in a
// random order (unless told otherwise), then prints how each measured piece
// of the game compares with the bare work underneath it, fastest repetition
// against fastest and median against median. Nothing here judges a figure;
// the ratios are for reading.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Figures {
  double min = 0, median = 0;
  std::map<std::string, double> medianCounters;
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    benchmark::ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Aggregate) continue;
      std::string name = run.run_name.function_name;
      if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
      const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      Figures& f = figures_[name];
      if (run.aggregate_name == "min") f.min = seconds;
      if (run.aggregate_name == "median") {
        f.median = seconds;
        for (const auto& [counter, value] : run.counters) f.medianCounters[counter] = value.value;
      }
    }
  }

  void Finalize() override {
    benchmark::ConsoleReporter::Finalize();
    std::printf("\n");
    struct Pair {
      const char* what;
      const char* measured;
      const char* bare;
      const char* target;
    };
    const Pair pairs[] = {
        {"mouse move over the main menu, painted and presented / bare decode of its skins", "BM_MenuMove",
         "BM_MenuMoveBareDecode", "<= 1.3x"},
        {"mouse move over the department chooser, painted and presented / bare decode of its skins", "BM_ChooserMove",
         "BM_ChooserMoveBareDecode", "<= 1.3x"},
        {"start-up in this process (69 forms, main menu) / bare decodes + bare configuration parse", "BM_Startup",
         "BM_StartupBareWork", "-"},
        {"cold start, fresh process to the headless main menu / the bare work in a fresh process", "BM_ColdStart",
         "BM_ColdStartBareWork", "<= 1.6x"},
        {"game year, CPU per year over 8 years / over 1 year (flat: 1.0)", "BM_GameYears/8", "BM_GameYears/1", "~1.0x"},
    };
    for (const Pair& p : pairs) {
      const auto a = figures_.find(p.measured), b = figures_.find(p.bare);
      if (a == figures_.end() || b == figures_.end() || b->second.min <= 0 || b->second.median <= 0) continue;
      std::printf("ratio %-92s min %5.2fx  median %5.2fx  (target %s)\n", p.what, a->second.min / b->second.min,
                  a->second.median / b->second.median, p.target);
    }
    for (const char* years : {"1", "2", "4", "8"}) {
      const auto y = figures_.find(std::string("BM_GameYears/") + years);
      if (y == figures_.end()) continue;
      const double cpu = y->second.median * 1000;
      const auto wall = y->second.medianCounters.find("wall_ms_per_year");
      const double wallMs = wall == y->second.medianCounters.end() ? 0 : wall->second;
      std::printf(
          "game year over %s year(s): CPU %6.2f ms a year (min %6.2f; target <= 5 ms), wall %6.2f ms a year, "
          "wall / CPU %5.2fx (target <= 1.2x)\n",
          years, cpu, y->second.min * 1000, wallMs, cpu > 0 ? wallMs / cpu : 0.0);
    }
  }

 private:
  std::map<std::string, Figures> figures_;
};

}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  // Repetitions take turns in a random order, so that a disturbance of the
  // machine falls on the game and on its floor alike.
  std::vector<char*> args(argv, argv + argc);
  bool told = false;
  for (int i = 1; i < argc; ++i) told = told || std::strstr(argv[i], "random_interleaving") != nullptr;
  static char interleave[] = "--benchmark_enable_random_interleaving=true";
  if (!told) args.insert(args.begin() + 1, interleave);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
