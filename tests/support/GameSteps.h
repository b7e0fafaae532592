#pragma once
// Steps and readings every subsystem's tests share: a harness with some
// configuration values changed, the game screen up as at the start of a
// game, the player's values as the game screen shows them, and values set
// on the label and the engine field together, as a rule would.
#include <map>
#include <string>
#include <utility>

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "support/GameHarness.h"

namespace testing_support {

inline HarnessOptions With(std::map<std::string, std::string> config) {
  HarnessOptions o;
  o.config = std::move(config);
  return o;
}

// The game screen shown as at the start of a game (its labels hold the
// configuration's values).
inline void OnGameScreen() {
  Form1->Hide();
  menu->Show();
}

inline int Number(const ui::Label* label) { return std::stoi(label->Caption()); }
inline int Money() { return Number(menu->money); }
inline int Mood() { return Number(menu->funny); }
inline int Health() { return Number(menu->hp); }
inline int Xp() { return Number(menu->xp); }

inline void SetMoney(int value) {
  engine->Money = value;
  menu->money->Caption = std::to_string(value);
}
inline void SetMood(int value) {
  engine->Fun = value;
  menu->funny->Caption = std::to_string(value);
}
inline void SetHealth(int value) {
  engine->Health = value;
  menu->hp->Caption = std::to_string(value);
}

}  // namespace testing_support
