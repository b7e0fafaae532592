#pragma once
// The road into a game, shared by the tests of registration, the game screen
// and its clock: main menu → registration → instructions → game screen.
#include <string>

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Instr.h"
#include "engine/Main.h"
#include "engine/Message.h"
#include "engine/Player.h"
#include "support/GameHarness.h"
#include "support/GameSteps.h"

namespace road {

inline void Register(testing_support::GameHarness& h, const std::string& first = "Иван",
                     const std::string& surname = "Петров", const std::string& nick = "vanya") {
  h.click(Form1->game);
  h.click(init->name);
  h.type(first);
  h.click(init->sname);
  h.type(surname);
  h.click(init->nick);
  h.type(nick);
  h.click(init->next);
}

// Registers, shows the instructions whole and starts the game.
inline void StartGame(testing_support::GameHarness& h) {
  Register(h);
  h.key(ui::VK_RETURN, ui::ssAlt);
  h.click(inst->next);
}

using testing_support::Number;
using testing_support::SetHealth;
using testing_support::SetMood;

}  // namespace road
