#pragma once
// The program's run once the command line is read: the application on its
// backend, every form, the main menu, the message loop, and the exit status.
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "ui/Backend.h"

struct GameRun {
  // The executable's path: the program folder is its folder.
  std::string exeName;
  // On the headless backend the run ends after this much game time, or
  // earlier when nothing more can happen.
  uint64_t headlessMs = 10000;
};

// Runs the game and returns the exit status:
//   0 after a normal end;
//   1 when an exception escaped start-up or the message loop: it is written
//     to errors (and shown in the error box while a window can still show it);
//   1 on the headless backend when any error was reported during the run:
//     no one sees an error box there, so each report goes to errors and the
//     run goes on as after its OK.
int RunGame(std::unique_ptr<ui::Backend> backend, const GameRun& run, std::ostream& errors);
