#pragma once
// The program install and removal screen: the bought programs that are not
// installed, the installed ones, and the free disk space they take.
#include <string>

#include "engine/Screen.h"
#include "ui/ListBox.h"

class Tsoftset : public Screen {
 public:
  explicit Tsoftset(ui::Application& app);

  ui::Label* Label1;
  ui::ListBox* nseted;  // bought, not installed
  ui::Label* Label2;
  ui::ListBox* seted;  // installed
  ui::Image* inst;
  ui::Label* instl;
  ui::Image* uninst;
  ui::Label* uninstl;

  void instClick();
  void uninstClick();
  void closeClick() override;

  // Uninstalls one installed program without any message.
  void RemoveProgramSilently(const std::string& name);

 private:
  void Install(std::string name);
};

extern Tsoftset* softset;
