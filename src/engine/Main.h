#pragma once
// The main menu: new game or continue, the information window and quitting.
// Loading, saving and settings only click: the game keeps nothing on disk.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class TForm1 : public ui::Form {
 public:
  explicit TForm1(ui::Application& app);

  ui::Label* top;
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
  ui::Image* close;
  ui::Label* closel;

  void FormCreate();
  void FormShow();
  void ResetSkins() { skins_.Reset(); }
  void gameClick();
  void loadClick();
  void saveClick();
  void helpClick();
  void setClick();
  void closeClick();
  void exitClick();

  const SkinSet& Skins() const { return skins_; }

 private:
  SkinSet skins_{"menu"};
};

extern TForm1* Form1;
