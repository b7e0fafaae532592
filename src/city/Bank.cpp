#include "city/Bank.h"

#include "city/Give.h"
#include "city/Take.h"
#include "city/Travel.h"
#include "engine/Class.h"

Tbank* bank = nullptr;

namespace {
constexpr int kWidth = 320;
}  // namespace

Tbank::Tbank(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 178);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Банк \"Зендрикс банк\"");
  Label1 = frame::MakeLabel(this, "Label1", 15, 26, "Выберите одно из действий:");

  const frame::Button takeButton = frame::MakeButton(
      this, &skins_,
      {"takea", 15, 50, 290, 32, "Взять кредит в этом банке", frame::CaptionPlace::Across, 8, 0, "takel"},
      [this] { takeaClick(); });
  takea = takeButton.picture;
  takel = takeButton.label;
  const frame::Button giveButton = frame::MakeButton(
      this, &skins_, {"givea", 15, 90, 290, 32, "Отдать долг этому банку", frame::CaptionPlace::Across, 8, 0, "givel"},
      [this] { giveaClick(); });
  givea = giveButton.picture;
  givel = giveButton.label;
  for (ui::Control* c : std::initializer_list<ui::Control*>{takea, takel, givea, givel}) c->Enabled = false;
  const frame::Button out = frame::MakeButton(this, &exitSkins_, {"exit", (kWidth - 120) / 2, 136, 120, 32, "Выход"},
                                              [this] { exitClick(); });
  exit = out.picture;
  exitl = out.label;

  for (ui::Control* handle : std::initializer_list<ui::Control*>{this, top, Label1}) {
    frame::BindDrag(handle);
    handle->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  }
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Tbank::ResetSkins() {
  skins_.Reset();
  exitSkins_.Reset();
}

void Tbank::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

// With a credit outstanding the lobby offers only its repayment.
void Tbank::FormShow() {
  givea->Enabled = engine->Duty;
  givel->Enabled = engine->Duty;
  takea->Enabled = !engine->Duty;
  takel->Enabled = !engine->Duty;
}

void Tbank::takeaClick() {
  engine->PlayClickSound();
  Hide();
  take->Show();
  engine->PauseGame();
}

void Tbank::giveaClick() {
  engine->PlayClickSound();
  give->Show();
  Hide();
  engine->PauseGame();
}

// The lobby's way out plays the click, not the close sound.
void Tbank::exitClick() {
  engine->PlayClickSound();
  Hide();
  travel->Show();
  engine->PauseGame();
}
