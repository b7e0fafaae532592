#pragma once
// The installed games: pick one and play it, once a game day, for mood.
#include <string>

#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ListBox.h"

class Tgames : public ui::Form {
 public:
  explicit Tgames(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Label* Label1;
  ui::ListBox* list;  // installed games, one name per entry
  ui::Image* play;
  ui::Label* playl;

  void FormCreate();
  void ResetSkins() { skins_.Reset(); }
  const SkinSet& Skins() const { return skins_; }
  void playClick();
  void closeClick();

 private:
  SkinSet skins_{"main"};
  std::string lastPlayed_;  // the game date of the last play
};

extern Tgames* games;
