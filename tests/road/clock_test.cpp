// The day clock: the calendar from the start date through a year, the new
// year on 2 January, stipend and rent at every month turn, the salary, and
// the month turning even when another rule carried the day past its end.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "city/Sanatory.h"
#include "road/RoadHelpers.h"

using testing_support::GameHarness;
using testing_support::HarnessOptions;

namespace {

struct Date {
  std::string day, dow, month, year;
};

Date Today() { return {menu->day->Caption(), menu->dow->Caption(), menu->month->Caption(), menu->year->Caption()}; }

// One tick of the clock; whatever game messages it shows (up to four) are answered.
void Tick(GameHarness& h, int times = 1) {
  for (int i = 0; i < times; ++i) {
    h.answerEnter(4);
    menu->ttimeTimer();
    h.discardAnswers();
  }
}

HarnessOptions Rich(std::map<std::string, std::string> more = {}) {
  HarnessOptions o;
  o.config = {{"Money", "100000"}};
  for (auto& [k, v] : more) o.config[k] = v;
  return o;
}

// The game screen is up (its labels hold numbers); the ticks are driven here
// one by one, and the daily trip to the university is left out.
void OnTheGameScreen(GameHarness& h) {
  road::StartGame(h);
  menu->AttendsUniversity = false;
}

}  // namespace

TEST(DayClock, TwentyNineTicksFromTheStartReachTheFirstOfOctober) {
  GameHarness h(Rich());
  OnTheGameScreen(h);
  Tick(h, 28);
  EXPECT_EQ(menu->day->Caption(), "30");
  EXPECT_EQ(menu->dow->Caption(), "Среда");
  Tick(h);
  EXPECT_EQ(menu->day->Caption(), "1");
  EXPECT_EQ(menu->month->Caption(), "Октябрь");
  EXPECT_EQ(menu->dow->Caption(), "Среда");  // the first keeps the weekday of the last
  EXPECT_EQ(engine->Mday, 31);               // set for October on the next ordinary day
  Tick(h);
  EXPECT_EQ(menu->dow->Caption(), "Четверг");
  EXPECT_EQ(engine->Mday, 32);
}

TEST(DayClock, AYearOfTheGamesCalendar) {
  GameHarness h(Rich());
  OnTheGameScreen(h);
  engine->SanInThisYear = true;
  sanatory->go->Enabled = false;
  sanatory->gol->Enabled = false;
  std::map<std::string, int> lastDay;
  std::vector<Date> days;
  const std::set<std::string> weekdays = {"Среда",       "Четверг",     "Пятница", "Суббота",
                                          "Воскресенье", "Понедельник", "Вторник"};
  for (int i = 0; i < 366; ++i) {
    const Date before = Today();
    Tick(h);
    const Date now = Today();
    days.push_back(now);
    ASSERT_TRUE(weekdays.count(now.dow)) << now.dow;
    const int d = std::stoi(now.day);
    if (d == 1) {
      ASSERT_NE(now.month, before.month);
      EXPECT_EQ(now.dow, before.dow);
      lastDay[before.month] = std::stoi(before.day);
    } else {
      ASSERT_EQ(d, std::stoi(before.day) + 1);
      ASSERT_EQ(now.month, before.month);
      ASSERT_NE(now.dow, before.dow);
    }
    if (now.month == "Январь" && now.day == "1") {
      EXPECT_EQ(now.year, "2006");
    }
    if (now.month == "Январь" && now.day == "2") {
      EXPECT_EQ(now.year, "2007");
      EXPECT_FALSE(engine->SanInThisYear);
      EXPECT_TRUE(sanatory->go->Enabled);
      EXPECT_TRUE(sanatory->gol->Enabled);
    }
  }
  const std::map<std::string, int> expected = {{"Сентябрь", 30}, {"Октябрь", 31}, {"Ноябрь", 30}, {"Декабрь", 31},
                                               {"Январь", 31},   {"Февраль", 29}, {"Март", 31},   {"Апрель", 30},
                                               {"Май", 31},      {"Июнь", 30},    {"Июль", 31},   {"Август", 31}};
  EXPECT_EQ(lastDay, expected);
  const Date end = Today();
  EXPECT_EQ(end.day, "2");
  EXPECT_EQ(end.month, "Сентябрь");
  EXPECT_EQ(end.year, "2007");
  // The weekday moves on the 354 ordinary days only.
  EXPECT_EQ(end.dow, "Воскресенье");
  // The year turned once, on 2 January.
  EXPECT_EQ(std::count_if(days.begin(), days.end(), [](const Date& d) { return d.year == "2006"; }), 121);
  // Stipend and rent at every one of the twelve month turns, July and August too.
  EXPECT_EQ(std::count(h.messagesShown().begin(), h.messagesShown().end(), "Оплата за квартиру прошла успешно!"), 12);
  EXPECT_EQ(menu->money->Caption(), std::to_string(100000 + 12 * 350 - 12 * 800));
}

// A pay day of 1 is paid on the tick that turns the month, before the
// stipend and the rent.
TEST(DayClock, SalaryOnPayDayComesBeforeTheMonthTurn) {
  GameHarness h(Rich({{"Zp", "1500"}}));
  OnTheGameScreen(h);
  menu->PayDay = 1;
  menu->day->Caption = "30";
  Tick(h);
  EXPECT_EQ(menu->day->Caption(), "1");
  const auto& m = h.messagesShown();
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0], "Получена зарплата в размере 1500 рублей.");
  EXPECT_EQ(m[1], "Оплата за квартиру прошла успешно!");
  EXPECT_EQ(menu->money->Caption(), std::to_string(100000 + 1500 + 350 - 800));
}

TEST(DayClock, StudentUntil2011) {
  GameHarness h(Rich());
  OnTheGameScreen(h);
  menu->year->Caption = "2010";
  engine->Student = false;
  Tick(h);
  EXPECT_TRUE(engine->Student);
  menu->year->Caption = "2011";
  Tick(h);
  EXPECT_FALSE(engine->Student);
}

// The sanatorium moves the month label on: from 30 "Январь" to 30 "Февраль",
// whose month ends at 29. The next tick turns the month at once.
TEST(DayClock, MonthTurnsWhenTheSanatoriumCarriedTheDayPastTheEnd) {
  GameHarness h(Rich());
  OnTheGameScreen(h);
  while (!(menu->month->Caption == "Январь" && menu->day->Caption == "30")) Tick(h);
  h.answerEnter();
  engine->GoToSanatorium();
  EXPECT_EQ(menu->day->Caption(), "30");
  EXPECT_EQ(menu->month->Caption(), "Февраль");
  Tick(h);  // 31 is past February's end: the month turns
  EXPECT_EQ(menu->day->Caption(), "1");
  EXPECT_EQ(menu->month->Caption(), "Февраль");  // the name comes from the clock's own index
  Tick(h, 29);
  EXPECT_EQ(menu->day->Caption(), "1");
  EXPECT_EQ(menu->month->Caption(), "Март");
}

// A start without the day that begins the next month (a broken
// configuration) counts the days as usual: no stipend and no rent until the
// real end of the month.
TEST(DayClock, AStartWithoutTheMonthsEndCountsDaysAndTurnsAtTheRealEnd) {
  GameHarness h(Rich({{"Mday", "0"}}));
  OnTheGameScreen(h);
  Tick(h, 27);
  EXPECT_EQ(menu->day->Caption(), "29");
  EXPECT_EQ(menu->month->Caption(), "Сентябрь");
  EXPECT_TRUE(h.messagesShown().empty());
  EXPECT_EQ(menu->money->Caption(), "100000");
  Tick(h, 2);
  EXPECT_EQ(menu->day->Caption(), "1");
  EXPECT_EQ(menu->month->Caption(), "Октябрь");
  EXPECT_EQ(h.messagesShown(), std::vector<std::string>{"Оплата за квартиру прошла успешно!"});
}

TEST(DayClock, ADayJumpPastTheEndTurnsTheMonth) {
  GameHarness h(Rich());
  OnTheGameScreen(h);
  menu->day->Caption = "40";
  Tick(h);
  EXPECT_EQ(menu->day->Caption(), "1");
  EXPECT_EQ(menu->month->Caption(), "Октябрь");
}

// Indices outside their lists (an inconsistent configuration) wrap round.
TEST(DayClock, IndicesOutsideTheirListsWrapRound) {
  GameHarness h(Rich({{"Nday", "12"}, {"Nmonth", "-7"}}));
  OnTheGameScreen(h);
  Tick(h);
  EXPECT_EQ(menu->dow->Caption(), "Вторник");  // 13 is 6
  EXPECT_EQ(engine->Nday, -1);
  Tick(h);
  EXPECT_EQ(menu->dow->Caption(), "Среда");
  menu->day->Caption = "30";
  Tick(h);
  EXPECT_EQ(menu->month->Caption(), "Март");  // -6 is 6
  EXPECT_EQ(engine->Nmonth, 6);
  // A month label outside the table leaves Mday as it was.
  menu->month->Caption = "Брюмер";
  engine->Mday = 31;
  Tick(h);
  EXPECT_EQ(engine->Mday, 31);
}
