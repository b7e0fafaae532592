#include "development/Internet.h"

#include "engine/Class.h"
#include "engine/Frame.h"
#include "hardware/Computer.h"

Tinet* inet = nullptr;

Tinet::Tinet(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Интернет");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
}

void Tinet::closeClick() {
  engine->PlayCloseSound();
  Hide();
  comp->Show();
}
