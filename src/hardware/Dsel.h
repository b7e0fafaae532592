#pragma once
// The computer store's department chooser: ten buttons, one per hardware
// department; each hides the chooser and shows its department.
#include "engine/Screen.h"

class Tdevsel : public Screen {
 public:
  explicit Tdevsel(ui::Application& app);

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
};

extern Tdevsel* devsel;
