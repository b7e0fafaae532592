#include "city/Ksalon.h"

#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tksalon* ksalon = nullptr;

Tksalon::Tksalon(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Компьютерный клуб");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
}

void Tksalon::closeClick() {
  engine->PlayCloseSound();
  Hide();
  travel->Show();
  engine->PauseGame();
}
