#pragma once
// The computer store's department chooser: ten buttons, one per hardware
// department; each hides the chooser and shows its department.
#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tdevsel : public ui::Form {
 public:
  explicit Tdevsel(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Image* mb1;
  ui::Label* mb1l;
  ui::Image* mb2;
  ui::Label* mb2l;
  ui::Image* pr1;
  ui::Label* pr1l;
  ui::Image* pr2;
  ui::Label* pr2l;
  ui::Image* ram;
  ui::Label* raml;
  ui::Image* v1;
  ui::Label* v1l;
  ui::Image* v2;
  ui::Label* v2l;
  ui::Image* hdd;
  ui::Label* hddl;
  ui::Image* md;
  ui::Label* mdl;
  ui::Image* mn;
  ui::Label* mnl;

  void FormCreate();
  void ResetSkins() { skins_.Reset(); }
  void closeClick();
  void mb1Click();
  void mb2Click();
  void pr1Click();
  void pr2Click();
  void ramClick();
  void v1Click();
  void v2Click();
  void hddClick();
  void mdClick();
  void mnClick();

  const SkinSet& Skins() const { return skins_; }

 private:
  // Hides the chooser and shows a department.
  void Open(ui::Form* department);
  SkinSet skins_{"menu"};
};

extern Tdevsel* devsel;
