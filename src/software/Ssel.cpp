#include "software/Ssel.h"

#include "city/Travel.h"
#include "engine/Class.h"
#include "software/Gameshop.h"
#include "software/Kshop.h"
#include "software/Osshop.h"
#include "software/Textshop.h"

Tsoftsel* softsel = nullptr;

Tsoftsel::Tsoftsel(ui::Application& app) : ui::Form(app) {
  SetClientSize(252, 220);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Магазин ПО");
  close = frame::MakeCloseLabel(this, "X", 237);
  // The four departments, each caption centred on its 220 × 37 button.
  struct Department {
    ui::Image*& picture;
    ui::Label*& label;
    const char* name;
    int top;
    const char* caption;
    void (Tsoftsel::*click)();
  };
  const Department departments[] = {
      {os, osl, "os", 32, "Операционные системы", &Tsoftsel::osClick},
      {text, textl, "text", 80, "Офисные пакеты", &Tsoftsel::textClick},
      {k, kl, "k", 128, "Компиляторы", &Tsoftsel::kClick},
      {game, gamel, "game", 176, "Игры", &Tsoftsel::gameClick},
  };
  for (const Department& d : departments) {
    const frame::Button made =
        frame::MakeButton(this, &skins_, {d.name, 16, d.top, 220, 37, d.caption, frame::CaptionPlace::Centred},
                          [this, click = d.click] { (this->*click)(); });
    d.picture = made.picture;
    d.label = made.label;
  }
  close->OnClick = [this](ui::Control&) { closeClick(); };
  top->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  frame::BindDrag(this);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tsoftsel::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

void Tsoftsel::osClick() {
  engine->PlayClickSound();
  Hide();
  osshop->Show();
}

void Tsoftsel::textClick() {
  engine->PlayClickSound();
  Hide();
  textshop->Show();
}

void Tsoftsel::kClick() {
  engine->PlayClickSound();
  Hide();
  kshop->Show();
}

void Tsoftsel::gameClick() {
  engine->PlayClickSound();
  Hide();
  gameshop->Show();
}

void Tsoftsel::closeClick() {
  engine->PlayCloseSound();
  Hide();
  travel->Show();
}
