#pragma once
// The whole game for the benchmarks, on the headless backend or in SDL
// windows (the dummy video driver, or a real X display): a temporary program
// folder with the built data files (the configuration may be changed), a
// temporary system folder, all 69 forms. Lighter than the test harness: no
// test framework, and modal windows are answered by themselves (headless:
// Enter first, a window that stays up is closed; in windows: closed).
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "BareConfig.h"
#include "ui/Application.h"
#include "ui/HeadlessBackend.h"
#include "ui/Timer.h"

namespace bench {

// The program folder and system folder, made once and removed at the end.
class ProgramFolder {
 public:
  explicit ProgramFolder(const std::map<std::string, std::string>& config = {});
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::string& game() const { return game_; }
  std::string exe() const { return game_ + "/zendrix2"; }

 private:
  std::string root_, game_;
};

enum class Backend { Headless, Sdl };

class BenchGame {
 public:
  // Builds the application and creates every form; showMainMenu shows the
  // main menu as the program does at start.
  explicit BenchGame(const ProgramFolder& folder, bool showMainMenu = true, Backend backend = Backend::Headless);
  ~BenchGame();
  BenchGame(const BenchGame&) = delete;
  BenchGame& operator=(const BenchGame&) = delete;

  ui::Application& app() { return *app_; }
  // The virtual machine; nullptr in SDL windows.
  ui::HeadlessBackend* headless() { return headless_; }

  void pump();
  // Moves the mouse to a point of a control, in the control's coordinates.
  // In SDL windows the move is an SDL event, handled, painted and presented
  // as a real one.
  void moveTo(ui::Control* control, int x, int y);
  // Runs the virtual clock forward timer by timer (headless only).
  void advance(uint64_t ms);

  // In SDL windows: no more closing of windows that wait for an answer
  // (for runs that open none, so that the closer's ticks stay out of them).
  void stopClosingModals();

  int modalsAnswered() const { return answered_; }
  int modalsClosed() const { return closed_; }

 private:
  void onIdle();
  void closeModal();

  ui::HeadlessBackend* headless_ = nullptr;
  std::unique_ptr<ui::Application> app_;
  ui::Timer* closer_ = nullptr;
  int answered_ = 0, closed_ = 0;
};

// The SDL window id of a shown form (0 when it has none).
uint32_t SdlWindowOf(ui::Form* form);

// A file of a program folder by its path in the built data files, which
// outlive the folder.
std::string LastingPath(const std::string& file);

// Every picture file the forms' images loaded so far, as often as each was
// loaded (the file each image loaded last).
std::vector<std::string> PicturesLoaded(ui::Application& app);

// The smallest of a benchmark's repetitions, as an extra statistic.
double Fastest(const std::vector<double>& values);

}  // namespace bench
