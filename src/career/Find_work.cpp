#include "career/Find_work.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tfwork* fwork = nullptr;

Tfwork::Tfwork(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Поиск работы");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
}

void Tfwork::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}
