#include "city/Bank.h"

#include "city/Travel.h"
#include "engine/Class.h"

Tbank* bank = nullptr;

namespace {
constexpr int kExitWidth = 120;
constexpr int kExitHeight = 32;
}  // namespace

Tbank::Tbank(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Банк \"Зендрикс банк\"");

  const int exitLeft = (320 - kExitWidth) / 2;
  const int exitTop = 240 - kExitHeight - 12;
  exit = new ui::Image(this);
  exit->Name = "exit";
  exit->SetBounds(exitLeft, exitTop, kExitWidth, kExitHeight);
  exitl = frame::MakeLabel(this, "exitl", exitLeft, exitTop + 8, "Выход");
  SkinSet::Style(exit, exitl);
  exitl->Left = exitLeft + (kExitWidth - exitl->Width) / 2;
  exitSkins_.Bind(exit, exitl);
  exit->OnClick = [this](ui::Control&) { exitClick(); };

  top->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  frame::BindDrag(this);
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tbank::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

// The lobby's way out plays the click, not the close sound.
void Tbank::exitClick() {
  engine->PlayClickSound();
  Hide();
  travel->Show();
  engine->PauseGame();
}
