// (d) Memory: the resident size of the process in SDL windows (real ones on
// the X display named by DISPLAY; SDL's dummy video driver without one),
// with all 69 forms created, the main menu shown, and then after every
// screen has been shown once (each shown, drawn and hidden in turn; a window
// that waits for an answer is closed). Beside the resident size: its shared
// memory (the windows' framebuffers under X) and the heap in use. The last
// line is for bench/run.sh. Prints the figures; judges nothing.
#include <malloc.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "BenchGame.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "ui/Form.h"

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
  const char* display = std::getenv("DISPLAY");
  setenv("SDL_VIDEODRIVER", display != nullptr && *display != '\0' ? "x11" : "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("SDL_RENDER_DRIVER", "software", 0);
  setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
  const long before = StatusKb("VmRSS");
  bench::ProgramFolder folder;
  bench::BenchGame game(folder, true, bench::Backend::Sdl);
  const long menuShown = StatusKb("VmRSS");
  size_t shown = 0;
  for (ui::Form* form : game.app().Forms()) {
    if (form == engine || form == menu) continue;  // the engine is never shown; the game screen starts time
    if (game.app().Terminated()) break;
    form->Show();
    game.pump();
    form->Hide();
    game.pump();
    ++shown;
  }
  const long everyScreen = StatusKb("VmRSS");
  const long shared = StatusKb("RssShmem");
  const struct mallinfo2 heap = mallinfo2();
  const double heapMb = static_cast<double>(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
  std::printf("memory in SDL windows (video driver %s), %zu forms:\n", std::getenv("SDL_VIDEODRIVER"),
              game.app().Forms().size());
  std::printf("  before the game                     %7.1f MB  (program and libraries loaded)\n", before / 1024.0);
  std::printf("  main menu shown                     %7.1f MB\n", menuShown / 1024.0);
  std::printf("  every screen shown once (%2zu)        %7.1f MB  (target <= 30 MB)\n", shown, everyScreen / 1024.0);
  std::printf("    of it shared memory                %7.1f MB  (the windows' framebuffers)\n", shared / 1024.0);
  std::printf("    heap in use                        %7.1f MB\n", heapMb);
  std::printf("  resident at most                    %7.1f MB\n", StatusKb("VmHWM") / 1024.0);
  std::printf("  windows closed unanswered           %7d\n", game.modalsClosed());
  std::printf("goal rss %.1f %.1f %.1f\n", everyScreen / 1024.0, shared / 1024.0, heapMb);
  return 0;
}
