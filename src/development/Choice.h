#pragma once
// What the choosers of a new game share (language, project, kind of game,
// genre): a title, a column of skinned "menu" buttons, one per choice, and a
// close label that goes back to the development menu.
#include "engine/Screen.h"

class ChoiceScreen : public Screen {
 public:
  ChoiceScreen(ui::Application& app, const char* title, int choices);

 protected:
  // The column of choices: `frame::AddColumn(this, &skins_, kChoices, {...})`.
  static constexpr frame::Column kChoices{16, 30, 220, 37, 45};
};
