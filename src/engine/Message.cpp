#include "engine/Message.h"

#include "engine/Class.h"

Tmes* mes = nullptr;

Tmes::Tmes(ui::Application& app)
    : MessageWindow(app, Layout{429, 159, ui::Rect{48, 56, 369, 57}, ui::Point{184, 120}, ui::Point{208, 128}, "mes"}) {
  // Moving over the background or the text resets the button; the rest drags.
  auto reset = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  Image1->OnMouseMove = reset;
  text->OnMouseMove = reset;
  for (ui::Control* c : {static_cast<ui::Control*>(Image1), static_cast<ui::Control*>(Image2),
                         static_cast<ui::Control*>(Label1), static_cast<ui::Control*>(text)}) {
    frame::BindDrag(c);
  }
}

void Tmes::okClick() {
  engine->PlayClickSound();
  text->Caption = "";
  if (!GameOver) {
    ModalResult = ui::mrOk;
    engine->AfterMessage();
    return;
  }
  engine->EndGame();
}
