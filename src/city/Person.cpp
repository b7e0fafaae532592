#include "city/Person.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tperson* person = nullptr;

Tperson::Tperson(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Персонаж");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
}

void Tperson::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}
