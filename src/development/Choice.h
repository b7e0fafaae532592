#pragma once
// What the choosers of a new game share (language, project, kind of game,
// genre): a title, a column of skinned "menu" buttons, one per choice, and a
// close label that goes back to the development menu.
#include <functional>
#include <string>

#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Label.h"

class ChoiceScreen : public ui::Form {
 public:
  ChoiceScreen(ui::Application& app, const std::string& title, int choices);

  ui::Label* top;
  ui::Label* close;

  void closeClick();
  const SkinSet& Skins() const { return skins_; }

 protected:
  // The next button of the column: picture `name`, caption label `name` + "l".
  frame::Button AddChoice(const char* name, const char* caption, std::function<void()> click);

 private:
  SkinSet skins_{"menu"};
  int next_ = 0;
};
