// A skin decode against the bare libjpeg-turbo decode of the same file into
// 32-bit pixels, side by side in one process: every skin of the buttons
// folder, the game's loader and the bare one taking turns, over many rounds.
// A process that decodes slowly shows in its own figures, so the run is
// repeated in fresh processes:
//   zx_bench_decode [--processes N] [--rounds R] [PROGRAM_FOLDER]
// Prints the figures; judges nothing.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "BareJpeg.h"
#include "ui/ImageDecoders.h"

namespace {

struct Figures {
  double oursMin, oursMedian, bareMin, bareMedian;  // microseconds a skin
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

Figures Measure(const std::vector<std::string>& skins, int rounds) {
  // Per round: the time for all skins, divided by their number.
  std::vector<double> ours, bare;
  volatile uint32_t sink = 0;
  for (int r = 0; r < rounds + 5; ++r) {
    const bool oursFirst = r % 2 == 0;
    double t[2] = {0, 0};
    for (int pass = 0; pass < 2; ++pass) {
      const bool mine = (pass == 0) == oursFirst;
      const double start = bench::WallSeconds();
      for (const std::string& skin : skins) {
        if (mine) {
          const ui::Bitmap b = ui::LoadPictureFile(skin);
          sink = sink + b.Pixels()[0];
        } else {
          const bench::BarePicture b = bench::BareJpegDecode(skin);
          sink = sink + b.pixels[0];
        }
      }
      t[mine ? 0 : 1] = (bench::WallSeconds() - start) * 1e6 / static_cast<double>(skins.size());
    }
    if (r < 5) continue;  // warming up: the files in the page cache, the allocator's pools
    ours.push_back(t[0]);
    bare.push_back(t[1]);
  }
  return {*std::min_element(ours.begin(), ours.end()), Median(ours), *std::min_element(bare.begin(), bare.end()),
          Median(bare)};
}

std::vector<std::string> Skins(const std::string& folder) {
  std::vector<std::string> skins;
  for (const auto& entry : std::filesystem::directory_iterator(folder + "/data/buttons")) {
    if (entry.path().extension() == ".jpg") skins.push_back(entry.path().string());
  }
  std::sort(skins.begin(), skins.end());
  return skins;
}

void PrintRow(const char* what, const Figures& f) {
  std::printf("%-12s game %7.2f / %7.2f us   bare %7.2f / %7.2f us   ratio min %5.2fx  median %5.2fx\n", what,
              f.oursMin, f.oursMedian, f.bareMin, f.bareMedian, f.oursMin / f.bareMin, f.oursMedian / f.bareMedian);
}

}  // namespace

int main(int argc, char** argv) {
  int processes = 10, rounds = 200;
  bool one = false;
  std::string folder = ZX_GAME_DIR;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--processes") == 0 && i + 1 < argc) {
      processes = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
      rounds = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--one") == 0) {
      one = true;
    } else {
      folder = argv[i];
    }
  }
  const std::vector<std::string> skins = Skins(folder);
  if (skins.empty()) {
    std::fprintf(stderr, "no skins in %s/data/buttons\n", folder.c_str());
    return 1;
  }
  if (one) {
    const Figures f = Measure(skins, rounds);
    std::printf("%.3f %.3f %.3f %.3f\n", f.oursMin, f.oursMedian, f.bareMin, f.bareMedian);
    return 0;
  }

  std::printf("skin decode (%zu skins of %s/data/buttons, %d rounds a process), min / median a skin:\n", skins.size(),
              folder.c_str(), rounds);
  std::vector<Figures> all;
  for (int p = 0; p < processes; ++p) {
    // A fresh process each time: the slow mode, where there is one, is a
    // property of a process (where its buffers landed), not of a round.
    int out[2];
    if (::pipe(out) != 0) return 1;
    const pid_t child = ::fork();
    if (child == 0) {
      ::dup2(out[1], 1);
      ::close(out[0]);
      const std::string r = std::to_string(rounds);
      ::execl("/proc/self/exe", argv[0], "--one", "--rounds", r.c_str(), folder.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    ::close(out[1]);
    char line[256] = {};
    const ssize_t n = ::read(out[0], line, sizeof line - 1);
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    Figures f{};
    if (n <= 0 || std::sscanf(line, "%lf %lf %lf %lf", &f.oursMin, &f.oursMedian, &f.bareMin, &f.bareMedian) != 4) {
      std::printf("process %d: no figures\n", p + 1);
      continue;
    }
    all.push_back(f);
    const std::string name = "process " + std::to_string(p + 1);
    PrintRow(name.c_str(), f);
  }
  if (all.empty()) return 1;
  auto by = [&](double Figures::*field) {
    std::vector<double> v;
    for (const Figures& f : all) v.push_back(f.*field);
    return v;
  };
  const std::vector<double> oursMedians = by(&Figures::oursMedian), bareMedians = by(&Figures::bareMedian);
  const std::vector<double> oursMins = by(&Figures::oursMin), bareMins = by(&Figures::bareMin);
  std::printf("over %zu processes: game median of medians %.2f us (slowest process %.2f, fastest %.2f)\n", all.size(),
              Median(oursMedians), *std::max_element(oursMedians.begin(), oursMedians.end()),
              *std::min_element(oursMedians.begin(), oursMedians.end()));
  std::printf("                    bare median of medians %.2f us (slowest process %.2f, fastest %.2f)\n",
              Median(bareMedians), *std::max_element(bareMedians.begin(), bareMedians.end()),
              *std::min_element(bareMedians.begin(), bareMedians.end()));
  double worst = 0;
  for (const Figures& f : all) worst = std::max(worst, f.oursMedian / f.bareMedian);
  std::printf(
      "ratio skin decode / bare libjpeg-turbo decode: min %.2fx, median %.2fx, worst process %.2fx  (target <= 1.1x)\n",
      *std::min_element(oursMins.begin(), oursMins.end()) / *std::min_element(bareMins.begin(), bareMins.end()),
      Median(oursMedians) / Median(bareMedians), worst);
  return 0;
}
