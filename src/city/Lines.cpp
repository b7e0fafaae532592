#include "city/Lines.h"

Tlines* lines = nullptr;

Tlines::Tlines(ui::Application& app) : ui::Form(app) {
  line = new ui::ProgressBar(this);
  line->Name = "line";
  line->Position = 100;
  t = new ui::Label(this);
  t->Name = "t";
  t->Caption = "30";
  time = new ui::Timer(this);
  time->Name = "time";
  time->Enabled = false;
  time->Interval = 65;
  ttime = new ui::Timer(this);
  ttime->Name = "ttime";
  ttime->Enabled = false;
  ttime->Interval = 1000;
}
