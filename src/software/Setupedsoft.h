#pragma once
// The installed-programs window: the operating system with its picture, the
// office suite and the three compilers ("нет" where none is installed), and
// the way to the installed games.
#include "engine/Screen.h"

class Tssoft : public Screen {
 public:
  explicit Tssoft(ui::Application& app);

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

  void FormCreate() override;
  // The computer's picture: with a running system, or the unknown computer.
  void ShowSystemPicture(bool installed);
  void playClick();
};

extern Tssoft* ssoft;
