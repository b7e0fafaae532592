#pragma once
// Shared by the tests of the university, attendance and jobs: the game
// screen up without the registration road, the clock driven tick by tick.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "career/Skill.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "support/GameHarness.h"
#include "support/GameSteps.h"

namespace career {

using testing_support::With;
inline void OnTheGameScreen() { testing_support::OnGameScreen(); }

// One tick of the day clock; whatever game messages it shows (up to four) are answered.
inline void Tick(testing_support::GameHarness& h, int times = 1) {
  for (int i = 0; i < times; ++i) {
    h.answerEnter(4);
    menu->ttimeTimer();
    h.discardAnswers();
  }
}

inline std::string Date() { return menu->day->Caption() + " " + menu->month->Caption(); }

inline int Cash() { return testing_support::Money(); }

inline std::string LastMessage(const testing_support::GameHarness& h) {
  return h.messagesShown().empty() ? std::string() : h.messagesShown().back();
}

inline int CountOf(const std::vector<std::string>& lines, const std::string& line) {
  int n = 0;
  for (const std::string& l : lines) n += l == line;
  return n;
}

// Education steps taken since the program started, as the gates read them.
inline void SetEducationSteps(int steps) { skills->CellsAdded[3] = steps; }

}  // namespace career
