#include "development/Devm.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tdevmenu* devmenu = nullptr;

Tdevmenu::Tdevmenu(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Разработка");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
}

void Tdevmenu::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}
