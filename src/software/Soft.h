#pragma once
// The program install and removal screen: the bought programs that are not
// installed, the installed ones, and the free disk space they take.
#include <string>

#include "ui/Form.h"
#include "ui/ListBox.h"

class Tsoftset : public ui::Form {
 public:
  explicit Tsoftset(ui::Application& app);

  ui::ListBox* nseted;  // bought, not installed
  ui::ListBox* seted;   // installed

  // Uninstalls one installed program without any message.
  void RemoveProgramSilently(const std::string& name);
};

extern Tsoftset* softset;
