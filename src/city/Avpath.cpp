#include "city/Avpath.h"

#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tavpath* avpath = nullptr;

Tavpath::Tavpath(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Авто рынок");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
}

void Tavpath::closeClick() {
  engine->PlayCloseSound();
  travel->Show();
  Hide();
}
