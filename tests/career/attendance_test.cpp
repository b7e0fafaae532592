// Attendance: the fare of 16 roubles on working days outside July and
// August, a car that makes the trip free, and the sixth missed day in a row
// that expels the player and ends the game.
#include <gtest/gtest.h>

#include "career/CareerHelpers.h"

using testing_support::GameHarness;
using namespace career;

namespace {

void SetCash(int money) { menu->money->Caption = std::to_string(money); }

std::vector<std::string> Misses(const GameHarness& h) {
  std::vector<std::string> out;
  for (const std::string& l : h.logLines()) {
    if (l == "Прогул..." || l == "Прогульщик!.. Выход из игры!") out.push_back(l);
  }
  return out;
}

}  // namespace

TEST(Attendance, TheFareNeedsMoreThanSixteenRoublesAndACarMakesItFree) {
  GameHarness h;
  OnTheGameScreen();
  SetCash(17);
  engine->Stroll = 3;
  engine->DailyCommute();
  EXPECT_EQ(menu->money->Caption(), "1");
  EXPECT_EQ(engine->Stroll, 0);
  EXPECT_TRUE(Misses(h).empty());

  SetCash(16);
  engine->DailyCommute();
  EXPECT_EQ(menu->money->Caption(), "16");
  EXPECT_EQ(engine->Stroll, 1);
  EXPECT_EQ(Misses(h), std::vector<std::string>{"Прогул..."});

  // With a car: no fare, no miss, the count kept, however often.
  engine->Car = true;
  SetCash(0);
  for (int i = 0; i < 10; ++i) engine->DailyCommute();
  EXPECT_EQ(menu->money->Caption(), "0");
  EXPECT_EQ(engine->Stroll, 1);
  EXPECT_EQ(Misses(h).size(), 1u);
  EXPECT_FALSE(h.app().Terminated());

  // A money label that is not a number charges nothing and counts nothing.
  engine->Car = false;
  menu->money->Caption = "много";
  EXPECT_NO_THROW(engine->DailyCommute());
  EXPECT_EQ(engine->Stroll, 1);
}

TEST(Attendance, FiveMissesAreCountedAndTheSixthInARowExpels) {
  GameHarness h;
  OnTheGameScreen();
  SetCash(10);
  for (int i = 0; i < 4; ++i) engine->DailyCommute();
  SetCash(100);
  engine->DailyCommute();  // a paid day starts the count again
  EXPECT_EQ(engine->Stroll, 0);
  SetCash(10);
  for (int i = 0; i < 5; ++i) engine->DailyCommute();
  EXPECT_EQ(engine->Stroll, 5);
  EXPECT_EQ(Misses(h).size(), 9u);
  EXPECT_TRUE(h.messagesShown().empty());
  EXPECT_FALSE(h.app().Terminated());

  h.answerEnter();
  engine->DailyCommute();
  EXPECT_EQ(h.messagesShown(),
            std::vector<std::string>{
                "Вы прогуляли много занятий! Из-за этого Вас исключили из Университета! Игра закончена!"});
  const std::vector<std::string> log = h.logLines();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[log.size() - 3], "Прогульщик!.. Выход из игры!");
  EXPECT_EQ(log[log.size() - 2], "Завершение игры, как terminate()");
  EXPECT_TRUE(h.app().Terminated());
  EXPECT_EQ(menu->money->Caption(), "10");
}

// The clock charges the trip for every new day from Monday to Friday: not
// in the ticks that end a Friday or a Saturday, nor in those that start in
// July or August.
TEST(Attendance, TheClockChargesWorkingDaysOutsideTheSummer) {
  GameHarness h(With({{"Money", "1000000"}, {"St", "0"}}));
  OnTheGameScreen();
  struct Day {
    std::string from, weekday;
    bool charged;
  };
  std::vector<Day> days;
  for (int i = 0; i < 366; ++i) {
    const std::string from = Date(), weekday = menu->dow->Caption();
    const int before = Cash();
    const size_t rents = h.messagesShown().size();
    Tick(h);
    int spent = before - Cash();
    if (h.messagesShown().size() > rents) spent -= 800;  // the month's rent
    ASSERT_TRUE(spent == 0 || spent == 16) << from << ": " << spent;
    days.push_back({from, weekday, spent == 16});
  }
  auto charged = [&days](const std::string& from) {
    for (const Day& d : days)
      if (d.from == from) return d.charged;
    ADD_FAILURE() << "no day " << from;
    return false;
  };
  int fares = 0;
  for (const Day& d : days) {
    fares += d.charged;
    if (d.weekday == "Пятница" || d.weekday == "Суббота") {
      EXPECT_FALSE(d.charged) << d.from;
    }
    if (d.weekday == "Воскресенье" && d.from.find("Июл") == std::string::npos &&
        d.from.find("Август") == std::string::npos) {
      EXPECT_TRUE(d.charged) << d.from;
    }
  }
  EXPECT_FALSE(charged("1 Июль"));
  EXPECT_FALSE(charged("31 Август"));  // the tick that turns it into 1 September
  EXPECT_EQ(engine->Stroll, 0);
  // Five of seven ticks in the ten months from September to June (304 days).
  EXPECT_NEAR(fares, 304 * 5 / 7, 2);
  // 2007's first of September is the tick after the turn: it charges unless it ends a Friday or Saturday.
  const Day& last = days.back();
  EXPECT_EQ(last.from, "1 Сентябрь");
  EXPECT_EQ(last.charged, last.weekday != "Пятница" && last.weekday != "Суббота");
}
