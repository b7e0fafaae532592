#pragma once
#include "ui/Form.h"
#include "ui/Label.h"

class Tcomp : public ui::Form {
 public:
  explicit Tcomp(ui::Application& app);

  // The free disk space in percent: master copy of Tzenx::DiskSpace.
  ui::Label* _disk;
};

extern Tcomp* comp;
