#pragma once
// The main menu: new game or continue, the information window and quitting.
// Loading, saving and settings only click: the game keeps nothing on disk.
#include "engine/Screen.h"

class TForm1 : public Screen {
 public:
  explicit TForm1(ui::Application& app);

  ui::Label* exit;
  ui::Image* logo;
  ui::Image* game;
  ui::Label* gamel;
  ui::Image* load;
  ui::Label* loadl;
  ui::Image* save;
  ui::Label* savel;
  ui::Image* help;
  ui::Label* helpl;
  ui::Image* set;
  ui::Label* setl;
  ui::Image* close;  // the quit button; the close label is `exit`
  ui::Label* closel;

  void FormCreate() override;
  void FormShow() override;
  void gameClick();
  void loadClick();
  void saveClick();
  void helpClick();
  void setClick();
  void closeClick() override;
  void exitClick();
};

extern TForm1* Form1;
