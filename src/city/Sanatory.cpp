#include "city/Sanatory.h"

#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tsanatory* sanatory = nullptr;

Tsanatory::Tsanatory(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  go = new ui::Image(this);
  go->Name = "go";
  gol = new ui::Label(this);
  gol->Name = "gol";

  top = frame::MakeTitle(this, "Санаторий");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
}

// After a paid stay the game runs while the player is here; leaving does
// not stop it.
void Tsanatory::closeClick() {
  engine->PlayCloseSound();
  Hide();
  travel->Show();
}
