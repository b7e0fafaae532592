#include "city/Give.h"

#include "city/Bank.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Tgive* give = nullptr;

namespace {
constexpr int kWidth = 470;
}  // namespace

Tgive::Tgive(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 196);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Банк \"Зендрикс банк\" - возвращение долга");
  close = frame::MakeCloseLabel(this, "X", kWidth - 15);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  Label1 = frame::MakeLabel(this, "Label1", 10, 26, "Здесь вы можете отдать свой долг банку.");
  lab = frame::MakeLabel(this, "lab", 10, 46,
                         "Для этого сначала узнайте информацию о Вашем кредите, а потом нажмите \"Отдать долг\"");
  lab->AutoSize = false;
  lab->WordWrap = true;
  lab->SetBounds(10, 46, kWidth - 20, 34);
  Label2 = frame::MakeLabel(this, "Label2", 10, 92, "Размер Вашего кредита:");
  size = frame::MakeLabel(this, "size", 200, 92, "0");
  Label3 = frame::MakeLabel(this, "Label3", 10, 112, "Крайний срок:");
  srok = frame::MakeLabel(this, "srok", 200, 112, "----");

  const frame::Button pay = frame::MakeButton(
      this, &skins_, {"ok", (kWidth - 150) / 2, 152, 150, 28, "Отдать долг", frame::CaptionPlace::Centred},
      [this] { okClick(); });
  ok = pay.picture;
  okl = pay.label;

  // The bare window does not drag; its title and texts do.
  for (ui::Control* handle : std::initializer_list<ui::Control*>{top, Label1, lab, Label2, size, Label3, srok}) {
    frame::BindDrag(handle);
  }
  for (ui::Control* reset : std::initializer_list<ui::Control*>{this, top, Label1, lab, Label2, size, Label3, srok}) {
    reset->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  }
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Tgive::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
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
  engine->PlayCloseSound();
  if (Forced) {
    Forced = false;
    Hide();
    menu->Show();
  } else {
    Hide();
    bank->Show();
  }
}
