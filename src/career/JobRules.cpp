#include "career/Find_work.h"
#include "city/GameCalendar.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "platform/Conversions.h"

// Taking and leaving jobs. The vacancy calendar that brings the second and
// third offers is a timer of the game screen (CareerTimers.cpp).

namespace {

// The work button's caption stays centred on its picture whatever it reads.
void SetWorkCaption(const std::string& caption) {
  menu->workl->Caption = caption;
  menu->workl->Left = menu->work->Left + (menu->work->Width - menu->workl->Width) / 2;
}

}  // namespace

void Tzenx::GetJob(const std::string& office, int salary) {
  Mark = Student ? "Студент-работающий" : "Работающий";
  Office = office;
  Zp = salary;
  SetWorkCaption("На работе...");
  ShowInfoMessage("Поздравляем! Вы устроились на работу!");
  // Taking a job uses up the rest of the day: the date moves on by one day
  // without a clock tick, but never past the month's last day, so that the
  // clock's next tick turns the month as it always does. The pay day is the
  // day of hiring; a day label that is not a number (only a broken clock
  // writes one) pays on the first of each month.
  int32_t d = 0;
  if (labels::TryReadCount(menu->day, d)) {
    menu->PayDay = d;
    const int days = calendar::DaysIn(menu->month->Caption());
    if (days == 0 || d < days) menu->day->Caption = platform::IntToStr(static_cast<int64_t>(d) + 1);
  } else {
    menu->PayDay = 1;
  }
  Work = true;
  WriteLog("Устраивание на работу...");
}

void Tzenx::QuitJob() {
  Mark = Student ? "Студент" : "Безработный";
  Office = "нет";
  Zp = 0;
  Work = false;
  SetWorkCaption("Работа");
  ShowInfoMessage("Вы уволились с Вашей работы!");
  fwork->EnableOffers(true);
  menu->PayDay = 0;
  WriteLog("Увольнение с работы...");
}
