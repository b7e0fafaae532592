#pragma once
// Shared steps of the computer hardware tests: a game paused off the game
// screen, and reading the inventory lists.
#include <string>
#include <vector>

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "support/GameSteps.h"
#include "ui/ListBox.h"

namespace hardware_test {

// The game screen was shown once (so its labels hold the configuration's
// values) and left again: the game is paused, as it is in every other screen.
inline void EnterPausedGame() {
  testing_support::OnGameScreen();
  menu->Hide();
}

inline std::vector<std::string> Items(const ui::ListBox* list) { return list->Items.Items(); }
using testing_support::Money;
using testing_support::Xp;

}  // namespace hardware_test
