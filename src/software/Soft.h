#pragma once
// The program install and removal screen: the bought programs that are not
// installed, the installed ones, and the free disk space they take.
#include <string>

#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ListBox.h"

class Tsoftset : public ui::Form {
 public:
  explicit Tsoftset(ui::Application& app);

  ui::Label* top;
  ui::Label* close;
  ui::Label* Label1;
  ui::ListBox* nseted;  // bought, not installed
  ui::Label* Label2;
  ui::ListBox* seted;  // installed
  ui::Image* inst;
  ui::Label* instl;
  ui::Image* uninst;
  ui::Label* uninstl;

  void FormCreate();
  void ResetSkins() { skins_.Reset(); }
  const SkinSet& Skins() const { return skins_; }
  void instClick();
  void uninstClick();
  void closeClick();

  // Uninstalls one installed program without any message.
  void RemoveProgramSilently(const std::string& name);

 private:
  void Install(std::string name);
  SkinSet skins_{"main"};
};

extern Tsoftset* softset;
