#pragma once
// The whole game on the headless backend for the benchmarks: a temporary
// program folder with the built data files (the configuration may be
// changed), a temporary system folder, all 69 forms. Lighter than the test
// harness: no test framework, and modal windows are answered by themselves
// (Enter first; a window that stays up is closed).
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/HeadlessBackend.h"

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

class BenchGame {
 public:
  // Builds the application and creates every form; showMainMenu shows the
  // main menu as the program does at start.
  explicit BenchGame(const ProgramFolder& folder, bool showMainMenu = true);
  ~BenchGame();
  BenchGame(const BenchGame&) = delete;
  BenchGame& operator=(const BenchGame&) = delete;

  ui::Application& app() { return *app_; }
  ui::HeadlessBackend& backend() { return *backend_; }

  void pump();
  // Moves the mouse to a point of a control, in the control's coordinates.
  void moveTo(ui::Control* control, int x, int y);
  // Runs the virtual clock forward timer by timer.
  void advance(uint64_t ms);

  int modalsAnswered() const { return answered_; }
  int modalsClosed() const { return closed_; }

 private:
  void onIdle();

  ui::HeadlessBackend* backend_ = nullptr;
  std::unique_ptr<ui::Application> app_;
  int answered_ = 0, closed_ = 0;
};

// Every picture file the forms' images loaded so far, as often as each was
// loaded (the file each image loaded last).
std::vector<std::string> PicturesLoaded(ui::Application& app);

// The configuration loading without the engine form: read, descramble, the
// plain copy, the INI reader, every key and its conversion.
void ParseConfiguration(const std::string& configPath, const std::string& plainCopy);

// The smallest of a benchmark's repetitions, as an extra statistic.
double Fastest(const std::vector<double>& values);

}  // namespace bench
