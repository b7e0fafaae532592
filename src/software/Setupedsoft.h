#pragma once
// The installed-programs window: the operating system with its picture, the
// office suite and the three compilers ("нет" where none is installed), and
// the way to the installed games.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tssoft : public ui::Form {
 public:
  explicit Tssoft(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Image* pic;  // the computer as its operating system shows it
  ui::Label* osc;
  ui::Label* os;
  ui::Label* officec;
  ui::Label* office;
  ui::Label* cppc;
  ui::Label* cpp;
  ui::Label* pasc;
  ui::Label* pas;
  ui::Label* phpc;
  ui::Label* php;
  ui::Image* play;
  ui::Label* playl;

  void FormCreate();
  void ResetSkins() { skins_.Reset(); }
  const SkinSet& Skins() const { return skins_; }
  // The computer's picture: with a running system, or the unknown computer.
  void ShowSystemPicture(bool installed);
  void playClick();
  void closeClick();

 private:
  SkinSet skins_{"main"};
};

extern Tssoft* ssoft;
