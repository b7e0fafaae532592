#include "hardware/Computer.h"

Tcomp* comp = nullptr;

Tcomp::Tcomp(ui::Application& app) : ui::Form(app) {
  _disk = new ui::Label(this);
  _disk->Name = "_disk";
  _disk->Caption = "100";
  _disk->Visible = false;
}
