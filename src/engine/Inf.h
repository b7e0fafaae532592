#pragma once
// The information window: the version, the credits and four links that
// start the game's utilities.
#include <string>
#include <vector>

#include "engine/Screen.h"

class Tinfor : public Screen {
 public:
  explicit Tinfor(ui::Application& app);

  ui::Image* logo;
  ui::Label* Label1;
  ui::Label* Label2;
  ui::Label* Label3;
  ui::Label* Label5;
  ui::Label* bug;
  ui::Label* info;
  ui::Label* edit;
  ui::Label* up;

  void FormCreate() override;
  void bugClick();
  void infoClick();
  void editClick();
  void upClick();

 private:
  void Launch(const std::string& program);
  void Recolour(ui::Label* blue, ui::Label* red, const std::vector<ui::Label*>& white);
};

extern Tinfor* infor;
