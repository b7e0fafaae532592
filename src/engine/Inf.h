#pragma once
// The information window: the version, the credits and four links that
// start the game's utilities.
#include <vector>

#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tinfor : public ui::Form {
 public:
  explicit Tinfor(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Image* logo;
  ui::Label* Label1;
  ui::Label* Label2;
  ui::Label* Label3;
  ui::Label* Label5;
  ui::Label* bug;
  ui::Label* info;
  ui::Label* edit;
  ui::Label* up;

  void FormCreate();
  void closeClick();
  void bugClick();
  void infoClick();
  void editClick();
  void upClick();

 private:
  ui::Label* MakeLink(const char* linkName, int top, const char* caption);
  void Recolour(ui::Label* blue, ui::Label* red, const std::vector<ui::Label*>& white);
};

extern Tinfor* infor;
