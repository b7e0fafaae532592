#pragma once
// Shared steps of the city tests: a game on its screen, a trip to a place,
// the player's values as the game screen shows them, and which message
// window said what.
#include <map>
#include <string>
#include <vector>

#include "city/Play.h"
#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/Imes.h"
#include "engine/Main.h"
#include "engine/Message.h"
#include "support/GameHarness.h"
#include "support/GameSteps.h"

namespace city_test {

using testing_support::GameHarness;
using testing_support::HarnessOptions;

using testing_support::Health;
using testing_support::Money;
using testing_support::Mood;
using testing_support::OnGameScreen;
using testing_support::SetHealth;
using testing_support::SetMoney;
using testing_support::SetMood;
using testing_support::With;
using testing_support::Xp;

// From the running game screen by travel to the place behind `destination`;
// by car, so the trip costs nothing unless the test says otherwise.
inline void GoTo(GameHarness& h, ui::Control* destination) {
  OnGameScreen();
  h.click(menu->trav);
  h.click(destination);
}

// A message as it was shown: the window ("mes" the game message window,
// "mess" the information window) and its text.
struct Said {
  std::string window;
  std::string text;
  bool operator==(const Said&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Said& s) { return out << s.window << ": " << s.text; }

// Answers the next n modal windows with Enter and records which they were.
inline void AnswerAndRecord(GameHarness& h, std::vector<Said>& said, int n = 1) {
  for (int i = 0; i < n; ++i) {
    h.answerModal([&h, &said](ui::Form& modal) {
      const size_t index = h.messagesShown().size() - 1;
      const std::string window = &modal == mes ? "mes" : &modal == mess ? "mess" : "other";
      said.push_back({window, h.messagesShown()[index]});
      h.key(ui::VK_RETURN);
    });
  }
}

}  // namespace city_test
