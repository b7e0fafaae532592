#include "city/GameCalendar.h"
#include "city/Play.h"
#include "city/Sanatory.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "platform/Conversions.h"
#include "ui/Application.h"

// The game screen's clock: one game day per tick of ttime, and the wear of
// mood (tfun) and health (thp).

namespace {

// An index outside its list wraps round, so the calendar goes on in order
// from wherever an inconsistent start left it.
int Wrap(int index, int size) { return ((index % size) + size) % size; }

}  // namespace

void Tmenu::ttimeTimer() {
  const std::string M = month->Caption();
  const int n = labels::ReadCount(day) + 1;
  const int Y = labels::ReadCount(year);
  engine->Student = Y < 2011;
  if (engine->Car) engine->CheckCarAccident();
  if (App().Terminated()) return;  // the accident ended the game
  // The month turns when the new day reaches the day that starts the next
  // month, and also when another rule (the sanatorium, a day jump) has
  // carried the day beyond the last day of the month the label names.
  const int days = calendar::DaysIn(M);
  const bool turn = n == engine->Mday || (days != 0 && n > days);
  // On the turn the day label goes from the month's last day straight to 1.
  if (!turn) day->Caption = platform::IntToStr(n);
  if (SalaryDue(n, turn, days)) {
    engine->AddMoney(static_cast<uint32_t>(engine->Zp));
    engine->ShowGameMessage("Получена зарплата в размере " + platform::IntToStr(engine->Zp) + " рублей.");
  }
  const std::string W = dow->Caption();
  if (AttendsUniversity && W != "Суббота" && W != "Пятница" && M != "Июль" && M != "Август") {
    engine->DailyCommute();
    if (App().Terminated()) return;  // expelled
  }
  if (!turn) {
    engine->Nday = Wrap(engine->Nday + 1, 7);
    dow->Caption = calendar::kWeekdays[engine->Nday];
    if (month->Caption == "Январь") {
      if (!NewYearDone) {
        // A stay may have shown this year already, or the clock's coming
        // one early; the rest of the new year is still to come.
        if (!YearShownEarly && !NewYearShown) year->Caption = platform::IntToStr(labels::ReadCount(year) + 1);
        NewYearShown = false;
        NewYearDone = true;
        engine->SanInThisYear = false;
        sanatory->go->Enabled = true;
        sanatory->gol->Enabled = true;
      }
    } else {
      NewYearDone = false;
      NewYearShown = false;
    }
    if (dow->Caption == "Вторник") engine->Nday = -1;
    if (month->Caption == "Август") engine->Nmonth = -1;
    const int marker = calendar::EndMarker(month->Caption());
    if (marker != 0) engine->Mday = marker;
    return;
  }
  engine->Nmonth = Wrap(engine->Nmonth + 1, 12);
  month->Caption = calendar::kMonths[engine->Nmonth].name;
  if (month->Caption == "Январь" && YearShownEarly) {
    // The clock's own new year, whose year a stay from December has shown.
    YearShownEarly = false;
    NewYearShown = true;
  }
  UpdateCourseYear();
  day->Caption = "1";
  engine->Money = static_cast<int>(static_cast<uint32_t>(labels::ReadCount(money)) + static_cast<uint32_t>(engine->St));
  money->Caption = labels::Unsigned(engine->Money);
  engine->PayRent();
}

// Every month pays once: on the pay day; a pay day of 1 on the tick that
// turns the month (the day number 1 only arises there); a pay day beyond the
// month's length on the month's last day.
bool Tmenu::SalaryDue(int n, bool monthTurns, int daysInMonth) const {
  if (PayDay == 0) return false;
  if (monthTurns) return PayDay == 1;
  return n == PayDay || (daysInMonth != 0 && n == daysInMonth && PayDay > daysInMonth);
}

// --- mood and health decay ---

namespace {

// A value that wears down by a point a tick, read from its label: below 25 a
// warning, once; at 3 a last warning; at 0 the end of the game. The numbers
// are unsigned, so a label below zero counts as far above.
struct Wear {
  ui::Label* Tmenu::*label;
  int Tzenx::*value;
  bool Tmenu::*warned;
  bool showsIcon;    // the mood picture follows the value
  const char* low;   // the warning below 25
  const char* last;  // the last warning at 3
  const char* end;   // the end of the game, after the player's name
};

const Wear kMood{&Tmenu::funny,
                 &Tzenx::Fun,
                 &Tmenu::MoodWarned,
                 true,
                 "Внимание! Ваше настроение находится на низком уровне!",
                 "ВНИМАНИЕ! Ваше настроение почти иссякло! Срочно примите меры!",
                 ", игра закончена, потому что Ваше настроение достигло самого низкого уровня!"};
const Wear kHealth{&Tmenu::hp,
                   &Tzenx::Health,
                   &Tmenu::HealthWarned,
                   false,
                   "Внимание! Ваше здоровье находится на низком уровне!",
                   "ВНИМАНИЕ! Ваше здоровье почти иссякло! Срочно примите меры!",
                   ", игра закончена, потому что Ваше здоровье достигло самого низкого уровня и Вы умерли!"};

void WearDown(Tmenu& m, const Wear& w) {
  ui::Label* label = m.*w.label;
  engine->*w.value = static_cast<int>(static_cast<uint32_t>(labels::ReadCount(label)) - 1u);
  label->Caption = labels::Unsigned(engine->*w.value);
  if (w.showsIcon) m.ShowMoodIcon();
  const auto value = static_cast<uint32_t>(engine->*w.value);
  if (value < 25 && !(m.*w.warned)) {
    m.StopGameTimers();
    engine->ShowGameMessage(w.low);
    m.*w.warned = true;
    engine->ResumeGame();
  }
  if (value == 3) {
    m.StopGameTimers();
    engine->ShowGameMessage(w.last);
    engine->ResumeGame();
  }
  if (value == 0) {
    engine->ShowGameMessage("Для Вас, " + engine->PlayerName + w.end);
    engine->PauseGame();
    engine->EndGame();
  }
}

}  // namespace

void Tmenu::tfunTimer() { WearDown(*this, kMood); }
void Tmenu::thpTimer() { WearDown(*this, kHealth); }
