#include "city/Apteka.h"

#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tapteka* apteka = nullptr;

Tapteka::Tapteka(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Городская аптека");
  close = frame::MakeCloseLabel(this, "Х", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
}

void Tapteka::closeClick() {
  engine->PlayCloseSound();
  Hide();
  travel->Show();
  engine->PauseGame();
}
