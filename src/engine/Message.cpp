#include "engine/Message.h"

#include "engine/Class.h"

Tmes* mes = nullptr;

Tmes::Tmes(ui::Application& app)
    : MessageWindow(app, Layout{429, 159, ui::Rect{48, 56, 369, 57}, ui::Point{184, 120}, ui::Point{208, 128}, "mes"}) {
  // Moving over the background or the text resets the button; the rest drags.
  ResetSkinsOver({Image1, text});
  DragBy({Image1, Image2, Label1, text});
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
