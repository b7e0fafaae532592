#include "city/Take.h"

#include <algorithm>

#include "city/Bank.h"
#include "city/GameCalendar.h"
#include "city/Give.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "platform/Conversions.h"
#include "ui/Application.h"

Ttake* take = nullptr;

namespace {

constexpr int kWidth = 470;
constexpr int kMaxCredit = 10000;

// The month a credit taken in `month` falls due: five names on.
struct Deadline {
  const char* month;
  const char* due;
};
constexpr Deadline kDeadlines[12] = {
    {"Январь", "Июнь"},      {"Февраль", "Июль"}, {"Март", "Август"},   {"Апрель", "Сентябрь"},
    {"Май", "Октябрь"},      {"Июнь", "Ноябрь"},  {"Июль", "Декабрь"},  {"Август", "Январь"},
    {"Сентябрь", "Февраль"}, {"Октябрь", "Март"}, {"Ноябрь", "Апрель"}, {"Декабрь", "Май"},
};

}  // namespace

Ttake::Ttake(ui::Application& app)
    : Screen(app, {kWidth, 252, "Банк \"Зендрикс банк\" - новый кредит", "case", "X", frame::Back(bank)}) {
  AddLabels<Ttake>({
      {&Ttake::Label1, "Label1", 10, 26, "Сейчас будет оформлен документ о взятии нового кредита."},
      {&Ttake::Label2, "Label2", 10, 46, "Для этого введите размер кредита, который Вы хотите взять:"},
      {&Ttake::Label3, "Label3", 10, 78, "Размер кредита:"},
      {&Ttake::Label4, "Label4", 236, 78, "руб."},
      {&Ttake::Label5, "Label5", 276, 78, "(макс = 10000)"},
      {&Ttake::Label6, "Label6", 10, 108, "Кредит будет взят на срок 6 месяцев."},
      {&Ttake::Label7, "Label7", 10, 128, "Процентная ставка: 30%"},
      {&Ttake::Label8, "Label8", 10, 148, "Крайний срок:"},
      {&Ttake::Label9, "Label9", 10, 178, "Подпись: ____Зендрикс____"},
      {&Ttake::srok, "srok", 140, 148, "_____"},
  });

  size = new ui::Edit(this);
  size->Name = "size";
  size->SetBounds(140, 75, 88, 21);
  size->Color = ui::clWhite;
  size->Font.Color = ui::clBlack;
  size->Text = "0";
  size->OnKeyPress = [this](ui::Control&, char32_t& key) { sizeKeyPress(key); };
  // The take button follows the amount field at once, whatever changes it.
  size->OnChange = [this](ui::Control&) { sizeChange(); };
  ActiveControl = size;

  AddButtons<Ttake>({{&Ttake::ok,
                      &Ttake::okl,
                      {"ok", (kWidth - 150) / 2, 212, 150, 28, "Взять кредит", frame::CaptionPlace::Centred},
                      &Ttake::okClick}});
  sizeChange();

  btime = new ui::Timer(this);
  btime->Name = "btime";
  btime->Enabled = false;
  btime->Interval = 100;
  btime->OnTimer = [this](ui::Control&) { btimeTimer(); };

  DragBy({Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8});
  ResetSkinsOver({Label1, Label2, Label3, Label4, Label5, Label6, Label7});
}

// Digits and Backspace only; every other typed character is dropped.
void Ttake::sizeKeyPress(char32_t& key) {
  if ((key < '0' || key > '9') && key != 8) key = 0;
}

void Ttake::sizeChange() {
  const bool any = !size->Text().empty();
  ok->Enabled = any;
  okl->Enabled = any;
}

void Ttake::okClick() {
  engine->PauseGame();
  engine->PlayClickSound();
  // Digits that make no 32-bit number (too many of them) are refused by
  // the conversion's own error report; nothing has changed yet.
  int amount = platform::StrToInt(size->Text());
  if (amount >= 1 && amount <= kMaxCredit) {
    const int today = labels::ReadCount(menu->day);
    engine->Money = static_cast<int>(static_cast<uint32_t>(engine->Money) + static_cast<uint32_t>(amount));
    menu->money->Caption = labels::Unsigned(engine->Money);
    const std::string month = menu->month->Caption();
    const Deadline* deadline = std::find_if(std::begin(kDeadlines), std::end(kDeadlines),
                                            [&month](const Deadline& d) { return month == d.month; });
    const std::string due = deadline != std::end(kDeadlines) ? deadline->due : "";
    // A day the deadline month lacks (31 January → June) would never come:
    // the credit falls due on that month's last day instead.
    const int dueDays = calendar::DaysIn(due);
    const int dueDay = dueDays != 0 ? std::min(today, dueDays) : today;
    srok->Caption = due + ", " + platform::IntToStr(dueDay);
    engine->Bmonth = due;
    engine->Bday = dueDay;
    give->srok->Caption = srok->Caption();
    amount = platform::StrToInt(size->Text());
    engine->Duty = true;
    const auto credit = static_cast<uint32_t>(amount);
    engine->Dolg = static_cast<int>(credit / 100 * 30 + credit);
    btime->Enabled = true;
    Hide();
    size->Text = "0";
    bank->Show();
    engine->AddMood(5);
    engine->PauseGame();
    engine->AddExperience(amount > 5000 ? 10 : 5);
  } else if (amount > kMaxCredit) {
    engine->ShowGameMessage("Слишком большая сумма!");
  } else if (amount < 0) {
    engine->ShowGameMessage("Введите положительное число!");
  }
}

void Ttake::closeClick() {
  engine->PlayCloseSound();
  Hide();
  size->Text = "0";
  bank->Show();
  engine->PauseGame();
}

// Every 100 ms on whichever screen is up: on the deadline the game screen
// goes and the repayment window takes its place, with no way out but paying.
// Only the day and the month name count, never the year.
void Ttake::btimeTimer() {
  if (engine->Bday != labels::ReadCount(menu->day) || menu->month->Caption() != engine->Bmonth) return;
  // A message (or a menu) that is up is answered first and keeps the
  // keyboard; the repayment follows it. Meanwhile the date stays on the
  // deadline, or the days an information message lets pass would carry it
  // beyond.
  if (App().ActiveModal() != nullptr || App().PopupWindow() != nullptr) {
    if (menu->ttime->Enabled) engine->PauseGame();
    return;
  }
  btime->Enabled = false;
  menu->Hide();
  // After a stay the game runs away from its screen, whose hide above then
  // pauses nothing: the watch pauses it itself.
  engine->PauseGame();
  engine->OnGame = false;
  give->Forced = true;
  give->close->Enabled = false;
  // Modal: the screen the player was on stays beneath, deaf, until the debt
  // is paid or the game is over.
  if (give->Visible) give->Hide();
  give->ShowModal();
  // Paid: the lobby, not the screen the modal window hands the keyboard
  // back to, is in front.
  if (!App().Terminated() && bank->Visible) bank->Show();
}
