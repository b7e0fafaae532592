#include "city/Home.h"

#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Thome* home = nullptr;

Thome::Thome(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Агенство недвижимости");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
}

void Thome::closeClick() {
  engine->PlayCloseSound();
  Hide();
  travel->Show();
}
