// Cold start to a window on the screen, on the X display named by DISPLAY
// (a private Xvfb, see bench/run.sh): the time from starting the game until
// its main menu (253 x 411) is mapped, beside the same for a bare SDL
// program opening one window of that size. Fresh processes, taking turns.
//   zx_bench_mapped GAME BARE_WINDOW_PROGRAM [REPETITIONS]
// Prints min and median of each and their ratio; judges nothing.
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BareJpeg.h"

extern char** environ;

namespace {

constexpr int kWidth = 253, kHeight = 411;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

// Milliseconds from the start of the program to the mapping of a window of
// the menu's size; negative when it never came.
double TimeToMapped(Display* display, const std::vector<std::string>& args) {
  XSync(display, False);
  while (XPending(display) > 0) {
    XEvent stale;
    XNextEvent(display, &stale);
  }
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", 1, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", 1, 0);
  const double start = bench::WallSeconds();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  double result = -1;
  while (bench::WallSeconds() - start < 20) {
    if (XPending(display) == 0) {
      pollfd fd{ConnectionNumber(display), POLLIN, 0};
      ::poll(&fd, 1, 100);
      continue;
    }
    XEvent e;
    XNextEvent(display, &e);
    if (e.type != MapNotify) continue;
    const double at = bench::WallSeconds();
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, e.xmap.window, &attributes) != 0 && attributes.width == kWidth &&
        attributes.height == kHeight) {
      result = (at - start) * 1000;
      break;
    }
  }
  ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: zx_bench_mapped GAME BARE_WINDOW_PROGRAM [REPETITIONS]\n");
    return 2;
  }
  const int repetitions = argc > 3 ? std::atoi(argv[3]) : 15;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::printf("main menu mapped: no X display, not measured\n");
    return 0;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  setenv("SDL_VIDEODRIVER", "x11", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("SDL_RENDER_DRIVER", "software", 0);
  setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
  char folder[] = "/tmp/zx-mapped-XXXXXX";
  if (::mkdtemp(folder) == nullptr) return 1;
  setenv("ZENDRIX_SYSTEM_DIR", folder, 1);
  const std::vector<std::string> game = {argv[1]};
  const std::vector<std::string> bare = {argv[2], std::to_string(kWidth), std::to_string(kHeight)};
  std::vector<double> gameTimes, bareTimes;
  for (int r = 0; r < repetitions + 1; ++r) {
    // Taking turns, the first pair only warming the page cache.
    const bool gameFirst = r % 2 == 0;
    const double a = TimeToMapped(display, gameFirst ? game : bare);
    const double b = TimeToMapped(display, gameFirst ? bare : game);
    const double g = gameFirst ? a : b, s = gameFirst ? b : a;
    if (g < 0 || s < 0) {
      std::printf("main menu mapped: a window never came (game %.1f ms, bare %.1f ms)\n", g, s);
      continue;
    }
    if (r == 0) continue;
    gameTimes.push_back(g);
    bareTimes.push_back(s);
  }
  XCloseDisplay(display);
  std::string cleanup = std::string("rm -rf ") + folder;
  if (std::system(cleanup.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", folder);
  if (gameTimes.empty()) return 1;
  const double gMin = *std::min_element(gameTimes.begin(), gameTimes.end());
  const double bMin = *std::min_element(bareTimes.begin(), bareTimes.end());
  std::printf("start to window mapped under Xvfb (%zu pairs, fresh processes, taking turns):\n", gameTimes.size());
  std::printf("  game, main menu %dx%d      min %7.1f ms  median %7.1f ms\n", kWidth, kHeight, gMin, Median(gameTimes));
  std::printf("  bare SDL window of its size  min %7.1f ms  median %7.1f ms\n", bMin, Median(bareTimes));
  std::printf("ratio main menu mapped / bare SDL window: min %.2fx  median %.2fx  (target <= 1.5x)\n", gMin / bMin,
              Median(gameTimes) / Median(bareTimes));
  std::printf("goal mapped %.1f %.1f %.1f %.1f\n", gMin, Median(gameTimes), bMin, Median(bareTimes));
  return 0;
}
