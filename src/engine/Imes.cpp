#include "engine/Imes.h"

#include "engine/Class.h"

Tmess* mess = nullptr;

Tmess::Tmess(ui::Application& app)
    : MessageWindow(app,
                    Layout{430, 159, ui::Rect{48, 48, 369, 73}, ui::Point{184, 122}, ui::Point{208, 130}, "mess"}) {
  ResetSkinsOver({Image1, Image2, Label1, text});
  DragBy({Image1, Image2, Label1, text});
  // However the window goes, its text goes with it.
  OnHide = [this](ui::Control&) { text->Caption = ""; };
}

void Tmess::okClick() {
  engine->PlayClickSound();
  ModalResult = ui::mrOk;
  text->Caption = "";
}
