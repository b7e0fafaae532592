#include "city/Give.h"

#include "city/Bank.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Tgive* give = nullptr;

Tgive::Tgive(ui::Application& app)
    : Screen(app, {470, 196, "Банк \"Зендрикс банк\" - возвращение долга", "case", "X", frame::Back(bank)}) {
  AddLabels<Tgive>({
      {&Tgive::Label1, "Label1", 10, 26, "Здесь вы можете отдать свой долг банку."},
      {&Tgive::lab, "lab", 10, 46,
       "Для этого сначала узнайте информацию о Вашем кредите, а потом нажмите \"Отдать долг\""},
      {&Tgive::Label2, "Label2", 10, 92, "Размер Вашего кредита:"},
      {&Tgive::size, "size", 200, 92, "0"},
      {&Tgive::Label3, "Label3", 10, 112, "Крайний срок:"},
      {&Tgive::srok, "srok", 200, 112, "----"},
  });
  lab->AutoSize = false;
  lab->WordWrap = true;
  lab->SetBounds(10, 46, Width - 20, 34);
  AddButtons<Tgive>({{&Tgive::ok,
                      &Tgive::okl,
                      {"ok", 160, 152, 150, 28, "Отдать долг", frame::CaptionPlace::Centred},
                      &Tgive::okClick}});

  // The bare window does not drag; its title and texts do.
  OnMouseDown = nullptr;
  DragBy({Label1, lab, Label2, size, Label3, srok});
  ResetSkinsOver({Label1, lab, Label2, size, Label3, srok});
}

void Tgive::FormShow() { size->Caption = labels::Unsigned(engine->Dolg); }

void Tgive::okClick() {
  engine->PlayClickSound();
  const auto cash = static_cast<uint32_t>(labels::ReadAmount(menu->money));
  const auto debt = static_cast<uint32_t>(engine->Dolg);
  // The cash must exceed the debt by at least one rouble.
  if (debt >= cash) {
    if (!Forced) {
      engine->ShowInfoMessage("Вам не удалось отдать долг банку, потому что Вы не накопили нужной суммы!");
      engine->SubMood(5);
    } else {
      engine->ShowInfoMessage(
          "Вам не удалось отдать долг банку, потому что Вы не накопили нужной суммы! Игра закончена!");
      engine->EndGame();
    }
    return;
  }
  menu->money->Caption = labels::Unsigned(static_cast<int>(cash - debt));
  engine->Money = static_cast<int>(cash - debt);
  engine->Dolg = 0;
  engine->Duty = false;
  engine->Bmonth = "";
  engine->Bday = 0;
  Hide();
  srok->Caption = "----";
  // The lobby may be up already (reached by travel while the forced window
  // waited); showing it again runs no show handler, so its buttons are set
  // here, or it would still offer to repay a debt of 0.
  const bool lobbyUp = bank->Visible;
  bank->Show();
  if (lobbyUp) bank->FormShow();
  close->Enabled = true;
  // Paid: whatever opened the window, the next visit is an ordinary one.
  Forced = false;
  engine->AddMood(5);
  engine->PauseGame();
  engine->AddExperience(debt > 5000 ? 10 : 5);
}

void Tgive::closeClick() {
  if (!Forced) {
    Screen::closeClick();
    return;
  }
  engine->PlayCloseSound();
  Forced = false;
  Hide();
  menu->Show();
}
