#include "career/Now_work.h"

Tnwork* nwork = nullptr;

Tnwork::Tnwork(ui::Application& app) : ui::Form(app) {
  mark = new ui::Label(this);
  mark->Name = "mark";
  office = new ui::Label(this);
  office->Name = "office";
  zp = new ui::Label(this);
  zp->Name = "zp";
}
