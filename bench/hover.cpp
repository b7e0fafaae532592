// (a) The hover benchmarks in a real X window, on the X display named by
// DISPLAY (a private Xvfb, see bench/run.sh): the game's SDL windows on the
// x11 driver, and a hand that moves the real pointer with XWarpPointer over
// a second connection, so that every move reaches the game as the server's
// MotionNotify. Each move is waited for in the game's own loop (the
// backend's wait, then one round of the loop: the event handled, the hovered
// skins decoded, the window painted and presented). Same route as the
// benchmarks on the dummy driver (bench/HoverRoute.h).
//   zx_bench_hover menu|chooser [ROUNDS [PACE_MS]]
// Four kinds of batch take turns, each round in another order: the moves
// back to back; the moves at a hand's pace (one every PACE_MS, 10 by
// default: between moves the game sleeps in its wait, and its caches cool as
// a player's would); and the floor, the bare libjpeg-turbo decode of the same
// moves' skins, back to back and at that pace. Per move: the CPU of this
// process (the hand's own work taken out), its wall time, and the CPU of the
// X server (its process found from the connection's socket). Prints min and
// median of each, the ratios against the floor back to back and at the same
// pace, and the ratios round by round; judges nothing.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "BareJpeg.h"
#include "BenchGame.h"
#include "HoverRoute.h"
#include "XPointer.h"
#include "ui/Form.h"

namespace {

constexpr size_t kMovesPerBatch = 60;  // whole rounds over six buttons and over ten

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

double Min(const std::vector<double>& v) { return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end()); }

std::string LoadAverage() {
  std::ifstream loadavg("/proc/loadavg");
  std::string one, five, fifteen;
  loadavg >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

double ThreadCpuSeconds() {
  timespec t{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// What the hand waits for: the motion to a point of a window, seen in SDL's queue.
struct Expected {
  uint32_t window = 0;
  int x = 0, y = 0;
  bool seen = false;
};

int WatchMotion(void* data, SDL_Event* e) {
  auto* expected = static_cast<Expected*>(data);
  if (e->type == SDL_MOUSEMOTION && e->motion.windowID == expected->window && e->motion.x == expected->x &&
      e->motion.y == expected->y) {
    expected->seen = true;
  }
  return 1;
}

class Hand {
 public:
  Hand(bench::BenchGame& game, bench::XPointer& pointer) : game_(game), pointer_(pointer) {
    SDL_AddEventWatch(WatchMotion, &expected_);
  }
  ~Hand() { SDL_DelEventWatch(WatchMotion, &expected_); }

  // Moves the pointer to the point of move k and runs the game's loop until
  // the game has handled the motion; false when it never came.
  bool move(const std::vector<ui::Image*>& buttons, size_t k, double pace = 0) {
    // The hand's part: waiting for its time, where to, and the request.
    const double start = ThreadCpuSeconds();
    if (pace > 0) {
      // A hand's pace: the game sleeps in its wait until the next move.
      const double until = lastMove_ + pace;
      while (bench::WallSeconds() < until) {
        const double left = until - bench::WallSeconds();
        timespec t{0, static_cast<long>(std::max(0.0, left) * 1e9)};
        ::nanosleep(&t, nullptr);
      }
    }
    lastMove_ = bench::WallSeconds();
    const bench::HoverPoint p = bench::HoverMove(buttons, k);
    ui::Form* form = p.button->ParentForm();
    const Window& window = windowOf(form);
    if (window.x11 == 0) return false;
    const ui::Point screen = p.button->ClientToScreen(ui::Point{p.x, p.y});
    expected_ = {window.sdl, screen.x - form->Left(), screen.y - form->Top(), false};
    pointer_.Warp(window.x11, expected_.x, expected_.y);
    handCpu_ += ThreadCpuSeconds() - start;
    // The game's loop as it runs: the backend's wait, then one round.
    ui::Application& app = game_.app();
    const double deadline = bench::WallSeconds() + 5;
    while (!app.Terminated()) {
      app.GetBackend().WaitEvent(app.NextDeadline());
      app.ProcessMessages();
      if (expected_.seen) return true;
      if (bench::WallSeconds() > deadline) return false;
    }
    return false;
  }

  double takeHandCpu() {
    const double cpu = handCpu_;
    handCpu_ = 0;
    return cpu;
  }

 private:
  struct Window {
    uint32_t sdl = 0;
    unsigned long x11 = 0;
  };

  // The form's SDL window and its X window, looked up once.
  const Window& windowOf(ui::Form* form) {
    auto found = windows_.find(form);
    if (found != windows_.end()) return found->second;
    Window& w = windows_[form];
    w.sdl = bench::SdlWindowOf(form);
    w.x11 = bench::X11WindowOf(w.sdl);
    return w;
  }

  bench::BenchGame& game_;
  bench::XPointer& pointer_;
  std::map<ui::Form*, Window> windows_;
  Expected expected_;
  double handCpu_ = 0;
  double lastMove_ = 0;
};

}  // namespace

// Per-move figures of one kind of turn, a value a round.
struct Series {
  std::vector<double> cpu, wall, server, hand;
  double skins = 0, moves = 0;
};

int main(int argc, char** argv) {
  const bool menu = argc < 2 || std::strcmp(argv[1], "chooser") != 0;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
  const double pace = (argc > 3 ? std::atof(argv[3]) : 10) / 1000;
  const bench::HoverScreen screen = menu ? bench::HoverScreen::Menu : bench::HoverScreen::Chooser;
  const char* what = menu ? "main menu" : "department chooser";
  const char* key = menu ? "hover-menu" : "hover-chooser";
  bench::XPointer hand;
  if (!hand.Connected()) {
    std::printf("hover over the %s in a real window: no X display, not measured\n", what);
    return 0;
  }
  const pid_t server = hand.ServerPid();
  setenv("SDL_VIDEODRIVER", "x11", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("SDL_RENDER_DRIVER", "software", 0);
  setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);

  // The floor's files first, headless; then the game in real windows. No
  // window here waits for an answer: the benchmark's closer is not needed,
  // and its ticks would fall between paced moves.
  const auto& files = bench::HoverFilesOfMoves(screen);
  bench::ProgramFolder folder;
  bench::BenchGame game(folder, true, bench::Backend::Sdl);
  game.stopClosingModals();
  bench::ShowHoverScreen(game, screen);
  const std::vector<ui::Image*> buttons = bench::HoverButtons(screen);
  Hand moves(game, hand);
  size_t k = 0;
  // Warming up: a round over the buttons, then a whole batch.
  for (; k < buttons.size() + kMovesPerBatch; ++k) {
    if (!moves.move(buttons, k)) {
      std::printf("hover over the %s in a real window: move %zu never reached the game, not measured\n", what, k);
      return 1;
    }
  }

  // The game's moves of a batch, back to back or at the hand's pace.
  auto gameTurn = [&](Series& series, double gap) {
    const int loads = bench::HoverLoads(buttons);
    moves.takeHandCpu();
    const double server0 = server > 0 ? bench::CpuSecondsOf(server) : 0;
    const double wall0 = bench::WallSeconds(), cpu0 = bench::ProcessCpuSeconds();
    for (size_t i = 0; i < kMovesPerBatch; ++i, ++k) {
      if (!moves.move(buttons, k, gap)) return false;
    }
    const double cpu1 = bench::ProcessCpuSeconds(), wall1 = bench::WallSeconds();
    const double server1 = server > 0 ? bench::CpuSecondsOf(server) : 0;
    const double handSeconds = moves.takeHandCpu();
    series.cpu.push_back((cpu1 - cpu0 - handSeconds) * 1e6 / kMovesPerBatch);
    series.wall.push_back((wall1 - wall0) * 1e6 / kMovesPerBatch);
    series.server.push_back((server1 - server0) * 1e6 / kMovesPerBatch);
    series.hand.push_back(handSeconds * 1e6 / kMovesPerBatch);
    series.skins += bench::HoverLoads(buttons) - loads;
    series.moves += kMovesPerBatch;
    return true;
  };
  // The bare decodes of the same moves' skins, back to back or at the pace.
  volatile uint32_t sink = 0;
  auto bareTurn = [&](Series& series, double gap) {
    double cpu = 0;
    for (size_t i = 0; i < kMovesPerBatch; ++i) {
      if (gap > 0) {
        timespec t{0, static_cast<long>(gap * 1e9)};
        ::nanosleep(&t, nullptr);
      }
      const double cpu0 = bench::ProcessCpuSeconds();
      for (const std::string& file : files[i % files.size()]) {
        const bench::BarePicture p = bench::BareJpegDecode(file);
        sink = sink + p.pixels[0];
        ++series.skins;
      }
      cpu += bench::ProcessCpuSeconds() - cpu0;
    }
    series.cpu.push_back(cpu * 1e6 / kMovesPerBatch);
    series.moves += kMovesPerBatch;
  };

  Series game0, bare0, gamePaced, barePaced;
  for (int r = 0; r < rounds; ++r) {
    // The four kinds take turns, each round in another order.
    for (int turn = 0; turn < 4; ++turn) {
      switch ((turn + r) % 4) {
        case 0:
          if (!gameTurn(game0, 0)) return 1;
          break;
        case 1:
          bareTurn(bare0, 0);
          break;
        case 2:
          if (!gameTurn(gamePaced, pace)) return 1;
          break;
        default:
          bareTurn(barePaced, pace);
      }
    }
  }

  std::printf(
      "hover over the %s in a real X window (DISPLAY %s, x11 driver, the pointer moved by XWarpPointer through the "
      "server), %d rounds of %zu moves of each kind taking turns, per move:\n",
      what, std::getenv("DISPLAY"), rounds, kMovesPerBatch);
  auto row = [](const char* name, const std::vector<double>& v, const char* note = "") {
    std::printf("  %-46s min %8.1f us  median %8.1f us%s\n", name, Min(v), Median(v), note);
  };
  char skins[80];
  std::snprintf(skins, sizeof skins, "  (%.2f skins a move)", game0.skins / game0.moves);
  row("back to back: game, CPU of its process", game0.cpu, skins);
  row("              game, wall time", game0.wall);
  row("              X server, CPU", game0.server);
  row("              the hand's requests (not counted)", game0.hand);
  std::snprintf(skins, sizeof skins, "  (%.2f skins a move)", bare0.skins / bare0.moves);
  row("              floor: bare decode of its skins", bare0.cpu, skins);
  const std::string paced = "a move every " + std::to_string(static_cast<int>(pace * 1000 + 0.5)) + " ms:";
  std::printf("  %s\n", paced.c_str());
  row("              game, CPU of its process", gamePaced.cpu);
  row("              X server, CPU", gamePaced.server);
  row("              bare decode at the same pace", barePaced.cpu);
  std::printf("  (X server: pid %d; load when done: %s)\n", static_cast<int>(server), LoadAverage().c_str());
  std::printf(
      "ratio game CPU / bare decode back to back: back to back min %.2fx median %.2fx, at the hand's pace min %.2fx "
      "median %.2fx (target <= 1.2x)\n",
      Min(game0.cpu) / Min(bare0.cpu), Median(game0.cpu) / Median(bare0.cpu), Min(gamePaced.cpu) / Min(bare0.cpu),
      Median(gamePaced.cpu) / Median(bare0.cpu));
  std::printf(
      "      X server beside it: back to back min %.2fx median %.2fx, at the hand's pace min %.2fx median %.2fx\n",
      Min(game0.server) / Min(bare0.cpu), Median(game0.server) / Median(bare0.cpu),
      Min(gamePaced.server) / Min(bare0.cpu), Median(gamePaced.server) / Median(bare0.cpu));
  std::printf("      at the hand's pace against the floor at that pace: min %.2fx median %.2fx\n",
              Min(gamePaced.cpu) / Min(barePaced.cpu), Median(gamePaced.cpu) / Median(barePaced.cpu));
  // Each round's game turn against the same round's floor turn: the two
  // ran within a second of each other, so a machine whose speed drifts
  // (another guest, the host) moves both.
  auto paired = [](const Series& game, const Series& floor) {
    std::vector<double> ratios;
    for (size_t i = 0; i < game.cpu.size() && i < floor.cpu.size(); ++i) ratios.push_back(game.cpu[i] / floor.cpu[i]);
    return ratios;
  };
  const std::vector<double> pairedBack = paired(game0, bare0), pairedPaced = paired(gamePaced, barePaced);
  std::printf(
      "      round by round, each against the floor of its pace: back to back min %.2fx median %.2fx, at the "
      "hand's pace min %.2fx median %.2fx\n",
      Min(pairedBack), Median(pairedBack), Min(pairedPaced), Median(pairedPaced));
  // Lines for bench/run.sh's table: kind, figure min and median, floor min
  // and median, X server min and median (microseconds a move), the floor
  // at the same pace min and median, the round-by-round ratio min and median.
  std::printf("goal %s paced %.1f %.1f %.1f %.1f %.1f %.1f %.1f %.1f %.2f %.2f\n", key, Min(gamePaced.cpu),
              Median(gamePaced.cpu), Min(bare0.cpu), Median(bare0.cpu), Min(gamePaced.server), Median(gamePaced.server),
              Min(barePaced.cpu), Median(barePaced.cpu), Min(pairedPaced), Median(pairedPaced));
  std::printf("goal %s back-to-back %.1f %.1f %.1f %.1f %.1f %.1f %.1f %.1f %.2f %.2f\n", key, Min(game0.cpu),
              Median(game0.cpu), Min(bare0.cpu), Median(bare0.cpu), Min(game0.server), Median(game0.server),
              Min(bare0.cpu), Median(bare0.cpu), Min(pairedBack), Median(pairedBack));
  return sink == 0xFFFFFFFFu ? 1 : 0;
}
