#pragma once
// The installed games: pick one and play it, once a game day, for mood.
#include <string>

#include "engine/Screen.h"
#include "ui/ListBox.h"

class Tgames : public Screen {
 public:
  explicit Tgames(ui::Application& app);

  ui::Label* Label1;
  ui::ListBox* list;  // installed games, one name per entry
  ui::Image* play;
  ui::Label* playl;

  void playClick();

 private:
  std::string lastPlayed_;  // the game date of the last play
};

extern Tgames* games;
