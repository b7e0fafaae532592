#pragma once
// Shared steps of the development and internet tests: a game on the game
// screen with a working computer, and a game screen whose clock is quiet so
// that only the development timers run.
#include <map>
#include <string>

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "support/GameHarness.h"
#include "support/GameSteps.h"

namespace dev_test {

// A working computer with its parts in their slots, a euro flat with plenty
// of mood and health, money and experience.
inline testing_support::HarnessOptions Developer(std::map<std::string, std::string> more = {}) {
  testing_support::HarnessOptions options;
  options.config = {{"Computer", "1"},
                    {"Mboard", "ASUS P5B"},
                    {"Intel", "1"},
                    {"Processor", "Intel Pentium D 820"},
                    {"Ozu1", "Kingston DDR2 512 Mb PC2-5300"},
                    {"Video", "NVidia GeForce 7600 GS 256 Mb"},
                    {"Disk", "Western Digital Caviar SE 160 Gb"},
                    {"Monitor", "Samsung SyncMaster 740N"},
                    {"Home", "3"},
                    {"Fun", "100"},
                    {"MaxFun", "100"},
                    {"Health", "100"},
                    {"Money", "5000"},
                    {"Xp", "1000"},
                    {"Max", "7"}};
  for (auto& [key, value] : more) options.config[key] = value;
  return options;
}

// The game screen shown once: its labels hold the configuration.
inline void EnterGame() { testing_support::OnGameScreen(); }

// Every game-screen timer off but the two of development, so that a test
// hears only what the development run says.
inline void QuietClock() {
  for (ui::Timer* t : {menu->tfun, menu->thp, menu->ttime, menu->devt1, menu->devt2, menu->devt3, menu->soft1,
                       menu->soft2, menu->umTimer, menu->twork, menu->cpp, menu->pas, menu->php, menu->cpp1level,
                       menu->pas1level, menu->php1level, menu->cpp2level, menu->pas2level, menu->php2level}) {
    t->Enabled = false;
  }
}

using testing_support::Money;
using testing_support::Xp;

}  // namespace dev_test
