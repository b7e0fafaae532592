#include "city/Bank.h"

#include "city/Give.h"
#include "city/Take.h"
#include "city/Travel.h"
#include "engine/Class.h"

Tbank* bank = nullptr;

// No close label: the exit button, in a skin of its own, leads out.
Tbank::Tbank(ui::Application& app) : Screen(app, {320, 178, "Банк \"Зендрикс банк\"", "bnk", nullptr}) {
  AddLabels<Tbank>({{&Tbank::Label1, "Label1", 15, 26, "Выберите одно из действий:"}});
  constexpr auto Across = frame::CaptionPlace::Across;
  AddButtons<Tbank>({
      {&Tbank::takea,
       &Tbank::takel,
       {"takea", 15, 50, 290, 32, "Взять кредит в этом банке", Across, 8, 0, "takel"},
       &Tbank::takeaClick},
      {&Tbank::givea,
       &Tbank::givel,
       {"givea", 15, 90, 290, 32, "Отдать долг этому банку", Across, 8, 0, "givel"},
       &Tbank::giveaClick},
  });
  for (ui::Control* c : std::initializer_list<ui::Control*>{takea, takel, givea, givel}) c->Enabled = false;
  const frame::Button out =
      frame::MakeButton(this, &exitSkins_, {"exit", 100, 136, 120, 32, "Выход"}, [this] { exitClick(); });
  exit = out.picture;
  exitl = out.label;

  DragBy({Label1});
  ResetSkinsOver({Label1});
}

void Tbank::ResetSkins() {
  skins_.Reset();
  exitSkins_.Reset();
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
