#include "software/Ssel.h"

#include "city/Travel.h"
#include "engine/Class.h"
#include "software/Gameshop.h"
#include "software/Kshop.h"
#include "software/Osshop.h"
#include "software/Textshop.h"

Tsoftsel* softsel = nullptr;

ui::Image* Tsoftsel::MakeButton(const char* name, int buttonTop, ui::Label*& label, const char* caption) {
  auto* picture = new ui::Image(this);
  picture->Name = name;
  picture->SetBounds(16, buttonTop, 220, 37);
  label = frame::MakeLabel(this, std::string(name) + "l", 16, buttonTop, caption);
  SkinSet::Style(picture, label);
  label->AutoSize = false;
  label->SetBounds(16, buttonTop, 220, 37);
  label->Alignment = ui::Alignment::Center;
  label->Layout = ui::TextLayout::Center;
  skins_.Bind(picture, label);
  return picture;
}

Tsoftsel::Tsoftsel(ui::Application& app) : ui::Form(app) {
  SetClientSize(252, 220);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Магазин ПО");
  close = frame::MakeCloseLabel(this, "X", 237);
  os = MakeButton("os", 32, osl, "Операционные системы");
  text = MakeButton("text", 80, textl, "Офисные пакеты");
  k = MakeButton("k", 128, kl, "Компиляторы");
  game = MakeButton("game", 176, gamel, "Игры");

  os->OnClick = [this](ui::Control&) { osClick(); };
  text->OnClick = [this](ui::Control&) { textClick(); };
  k->OnClick = [this](ui::Control&) { kClick(); };
  game->OnClick = [this](ui::Control&) { gameClick(); };
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
