#include "city/Setka.h"

#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tsetka* setka = nullptr;

Tsetka::Tsetka(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Ночной клуб");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
}

void Tsetka::closeClick() {
  engine->PlayCloseSound();
  Hide();
  travel->Show();
}
