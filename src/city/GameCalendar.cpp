#include "city/GameCalendar.h"

namespace calendar {

const MonthRow kMonths[12] = {{"Сентябрь", 30}, {"Октябрь", 31}, {"Ноябрь", 30}, {"Декабрь", 31},
                              {"Январь", 31},   {"Февраль", 29}, {"Март", 31},   {"Апрель", 30},
                              {"Май", 31},      {"Июнь", 30},    {"Июль", 31},   {"Август", 31}};

const char* const kWeekdays[7] = {"Среда", "Четверг", "Пятница", "Суббота", "Воскресенье", "Понедельник", "Вторник"};

int DaysIn(const std::string& month) {
  for (const MonthRow& row : kMonths) {
    if (month == row.name) return row.days;
  }
  return 0;
}

int EndMarker(const std::string& month) {
  const int days = DaysIn(month);
  return days == 0 ? 0 : days + 1;
}

}  // namespace calendar
