#include "career/Now_work.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tnwork* nwork = nullptr;

Tnwork::Tnwork(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  mark = new ui::Label(this);
  mark->Name = "mark";
  office = new ui::Label(this);
  office->Name = "office";
  zp = new ui::Label(this);
  zp->Name = "zp";

  top = frame::MakeTitle(this, "Работа");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
}

void Tnwork::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}
