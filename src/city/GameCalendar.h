#pragma once
// The game's own calendar: twelve months from September, February always
// 29 days, seven weekdays from Wednesday. The day clock turns it; the rules
// that move the date by other means ask it where a month ends.
#include <string>

namespace calendar {

struct MonthRow {
  const char* name;
  int days;
};

// The months in the clock's order, September first.
extern const MonthRow kMonths[12];
// The weekdays in the clock's order, Wednesday first.
extern const char* const kWeekdays[7];

// The days of the named month; 0 for a name outside the calendar.
int DaysIn(const std::string& month);
// The day number that starts the month after the named one (its days + 1);
// 0 for a name outside the calendar.
int EndMarker(const std::string& month);

}  // namespace calendar
