#include "engine/Imes.h"

#include "engine/Class.h"

Tmess* mess = nullptr;

Tmess::Tmess(ui::Application& app)
    : MessageWindow(app,
                    Layout{430, 159, ui::Rect{48, 48, 369, 73}, ui::Point{184, 122}, ui::Point{208, 130}, "mess"}) {
  auto reset = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  for (ui::Control* c : {static_cast<ui::Control*>(Image1), static_cast<ui::Control*>(Image2),
                         static_cast<ui::Control*>(Label1), static_cast<ui::Control*>(text)}) {
    c->OnMouseMove = reset;
    frame::BindDrag(c);
  }
  // However the window goes, its text goes with it.
  OnHide = [this](ui::Control&) { text->Caption = ""; };
}

void Tmess::okClick() {
  engine->PlayClickSound();
  ModalResult = ui::mrOk;
  text->Caption = "";
}
