// (d) Memory: the resident size of the process with all 69 forms created
// and the main menu shown on the headless backend. Prints the figures; judges
// nothing.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "BenchGame.h"

namespace {

long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(field) + ":";
  while (std::getline(status, line)) {
    if (line.rfind(prefix, 0) == 0) return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
  }
  return -1;
}

}  // namespace

int main() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const long before = StatusKb("VmRSS");
  bench::ProgramFolder folder;
  bench::BenchGame game(folder);
  const long now = StatusKb("VmRSS");
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("memory with %zu forms created and the main menu shown (headless):\n", game.app().Forms().size());
  std::printf("  resident now         %7.1f MB\n", now / 1024.0);
  std::printf("  resident at most     %7.1f MB  (target < 60 MB)\n", usage.ru_maxrss / 1024.0);
  std::printf("  before the game      %7.1f MB  (program and libraries loaded)\n", before / 1024.0);
  return 0;
}
