// The sanatorium's once-a-year stay, the year it may turn and its refusals;
// the real-estate agency's moves, refusals and the rent that follows.
#include <gtest/gtest.h>

#include "city/CityHelpers.h"
#include "city/Home.h"
#include "city/Sanatory.h"

using namespace city_test;

namespace {

HarnessOptions Rich() { return With({{"Money", "100000"}, {"Car", "1"}}); }

struct Date {
  std::string day, month, year;
  bool operator==(const Date&) const = default;
};
void PrintTo(const Date& d, std::ostream* os) { *os << d.day << ' ' << d.month << ' ' << d.year; }
Date Today() { return {menu->day->Caption(), menu->month->Caption(), menu->year->Caption()}; }

// Sets the date labels and the clock's own month and day counters together.
void SetDate(const char* day, int monthIndex, const char* month, const char* year, int mday) {
  menu->day->Caption = day;
  menu->month->Caption = month;
  menu->year->Caption = year;
  engine->Nmonth = monthIndex;
  engine->Mday = mday;
}

// One game day; whatever message it brings is answered.
void Tick(GameHarness& h) {
  h.answerEnter(4);
  menu->ttimeTimer();
  h.discardAnswers();
}

// The days among the next `days` on which the year label changed.
std::vector<Date> YearTurnsIn(GameHarness& h, int days) {
  std::vector<Date> turns;
  std::string year = menu->year->Caption();
  for (int i = 0; i < days; ++i) {
    Tick(h);
    if (menu->year->Caption() != year) {
      year = menu->year->Caption();
      turns.push_back(Today());
    }
  }
  return turns;
}

void Stay(GameHarness& h) {
  h.answerEnter();
  h.click(sanatory->gol);
}

}  // namespace

// A stay in December writes January and the next year. The clock's new-year
// turn, on the next day, does all the rest of it but the year: the stay of
// the new year is offered again. The year turns again only a year on.
TEST(Sanatorium, AStayInDecemberTurnsTheYearOnceAndTheClocksNewYearBringsTheButtonBack) {
  GameHarness h(Rich());
  OnGameScreen();
  menu->AttendsUniversity = false;
  SetDate("15", 3, "Декабрь", "2007", 32);
  h.click(menu->trav);
  h.click(travel->san);
  Stay(h);
  EXPECT_EQ(Today(), (Date{"15", "Январь", "2008"}));
  EXPECT_TRUE(engine->SanInThisYear);
  EXPECT_FALSE(sanatory->go->Enabled);
  EXPECT_FALSE(sanatory->gol->Enabled);
  EXPECT_TRUE(menu->ttime->Enabled);  // the stay resumed the game
  h.click(sanatory->close);
  EXPECT_TRUE(travel->Visible);
  EXPECT_TRUE(menu->ttime->Enabled);  // leaving does not pause
  travel->Hide();
  menu->Show();

  Tick(h);
  EXPECT_EQ(Today(), (Date{"16", "Январь", "2008"}));
  EXPECT_FALSE(engine->SanInThisYear);
  EXPECT_TRUE(sanatory->go->Enabled);
  EXPECT_TRUE(sanatory->gol->Enabled);

  EXPECT_EQ(YearTurnsIn(h, 420), (std::vector<Date>{{"2", "Январь", "2009"}}));
}

// A stay in December and a second one in the January it showed, before the
// clock's own January has come: that January repeats, and still the year
// label turns once for it. The button comes back at each January the label
// shows, so a third stay is offered there, and the year turns next a year on.
TEST(Sanatorium, StaysAcrossOneWinterTurnTheYearOnce) {
  GameHarness h(Rich());
  OnGameScreen();
  menu->AttendsUniversity = false;
  SetDate("15", 3, "Декабрь", "2007", 32);
  auto stayFromGameScreen = [&h] {
    menu->Hide();
    sanatory->Show();
    Stay(h);
    sanatory->Hide();
    menu->Show();
  };
  stayFromGameScreen();
  EXPECT_EQ(Today(), (Date{"15", "Январь", "2008"}));
  Tick(h);
  EXPECT_TRUE(sanatory->go->Enabled);
  stayFromGameScreen();
  EXPECT_EQ(Today(), (Date{"16", "Февраль", "2008"}));
  EXPECT_EQ(engine->Nmonth, 3);  // the clock's own month is still December
  while (menu->month->Caption() != "Январь") Tick(h);
  EXPECT_EQ(Today(), (Date{"1", "Январь", "2008"}));
  Tick(h);
  EXPECT_EQ(Today(), (Date{"2", "Январь", "2008"}));
  EXPECT_FALSE(engine->SanInThisYear);
  EXPECT_TRUE(sanatory->go->Enabled);
  stayFromGameScreen();
  EXPECT_EQ(Today(), (Date{"2", "Февраль", "2008"}));

  EXPECT_EQ(YearTurnsIn(h, 420), (std::vector<Date>{{"2", "Январь", "2009"}}));
  EXPECT_TRUE(engine->Student);  // 2009 is still a year of study
}

// On the first of January the clock has not yet turned the year; a month's
// stay from there passes the turn and makes it.
TEST(Sanatorium, AStayFromTheFirstOfJanuaryMakesTheYearsTurnItPasses) {
  GameHarness h(Rich());
  OnGameScreen();
  menu->AttendsUniversity = false;
  SetDate("31", 3, "Декабрь", "2006", 32);
  Tick(h);
  ASSERT_EQ(Today(), (Date{"1", "Январь", "2006"}));
  menu->Hide();
  sanatory->Show();
  Stay(h);
  EXPECT_EQ(Today(), (Date{"1", "Февраль", "2007"}));
  Tick(h);
  Tick(h);
  EXPECT_EQ(menu->year->Caption(), "2007");
}

TEST(Sanatorium, ARefusedStayStillRestsTheButtonUntilTheNewYear) {
  GameHarness h(With({{"Money", "1200"}, {"Car", "1"}}));
  OnGameScreen();
  h.click(menu->trav);
  h.click(travel->sanl);
  std::vector<Said> said;
  AnswerAndRecord(h, said, 2);
  h.click(sanatory->go);
  EXPECT_EQ(said, (std::vector<Said>{{"mess", "Ваших денег недостаточно!"},
                                     {"mess", "У Вас недостаточно денег для поездки в санаторий!"}}));
  EXPECT_EQ(Money(), 1200);
  EXPECT_EQ(menu->month->Caption(), "Сентябрь");
  EXPECT_FALSE(engine->SanInThisYear);
  EXPECT_FALSE(sanatory->go->Enabled);
  EXPECT_FALSE(menu->ttime->Enabled);  // still paused
  h.click(sanatory->go);               // disabled: nothing
  EXPECT_EQ(said.size(), 2u);

  sanatory->Hide();
  menu->Show();
  menu->AttendsUniversity = false;
  SetDate("1", 4, "Январь", "2006", 32);
  Tick(h);
  EXPECT_TRUE(sanatory->go->Enabled);
  EXPECT_EQ(menu->year->Caption(), "2007");
}

TEST(Agency, TheHomeLivedInCannotBeChosenAndEachTellsItsPriceAndRent) {
  GameHarness h(With({{"Car", "1"}, {"Home", "0"}}));
  GoTo(h, travel->house);
  ASSERT_TRUE(home->Visible);
  EXPECT_FALSE(home->h1->Enabled);
  EXPECT_FALSE(home->h1l->Enabled);
  for (ui::Control* c : std::initializer_list<ui::Control*>{home->h2, home->h2l, home->h3, home->h3l, home->h4}) {
    EXPECT_TRUE(c->Enabled);
  }
  EXPECT_EQ(home->h3l->Hint(), "Цена: 7000 руб. Максимальное настроение: 80. Оплата: 2000 р\\месяц");
  EXPECT_EQ(home->h3->Hint(), home->h3l->Hint());
  h.click(home->h1);  // disabled: nothing
  EXPECT_TRUE(h.messagesShown().empty());
}

TEST(Agency, APriceEqualToTheCashIsRefusedOneRoubleMoreMovesAndLeavesOne) {
  GameHarness h(With({{"Money", "4000"}, {"Car", "1"}, {"Home", "0"}}));
  GoTo(h, travel->house);
  std::vector<Said> said;
  AnswerAndRecord(h, said);
  h.click(home->h2l);
  EXPECT_EQ(said, (std::vector<Said>{{"mess", "Ваших денег недостаточно!"}}));
  EXPECT_EQ(engine->Home, 0);
  EXPECT_FALSE(home->h1->Enabled);
  EXPECT_TRUE(home->h2->Enabled);
  EXPECT_EQ(Money(), 4000);

  SetMoney(4001);
  AnswerAndRecord(h, said);
  h.click(home->h2);
  EXPECT_EQ(said.back(), (Said{"mess",
                               "Вы переехали в среднюю квартиру! Теперь Вы ежемесячно будете платить 1200 руб. за "
                               "проживание и максимальное настроение у Вас теперь 60."}));
  EXPECT_EQ(engine->Home, 1);
  EXPECT_EQ(engine->MaxFun, 60);
  EXPECT_EQ(Money(), 1);
  EXPECT_EQ(menu->home->Caption(), "Средний уровень");
  EXPECT_TRUE(home->h1->Enabled);
  EXPECT_FALSE(home->h2->Enabled);
  EXPECT_FALSE(home->h2l->Enabled);
}

// Down from the euro flat to the dormitory: the dormitory's price, its rent
// at the next month turn, and the mood clipped to its cap on the game screen.
TEST(Agency, MovingDownCostsTheLowerPriceAndTheRentAndMoodCapFollow) {
  GameHarness h(With({{"Money", "10000"}, {"Car", "1"}, {"Home", "3"}, {"MaxFun", "100"}, {"HouseXN", "1"}}));
  GoTo(h, travel->house);
  SetMood(55);
  engine->Fun = 55;
  h.answerEnter();
  h.click(home->h1);
  EXPECT_EQ(engine->Home, 0);
  EXPECT_EQ(Money(), 8000);
  EXPECT_FALSE(home->h1->Enabled);
  EXPECT_TRUE(home->h4->Enabled);
  h.click(home->close);
  h.click(travel->close);
  EXPECT_EQ(menu->funny->Caption(), "30");
  menu->AttendsUniversity = false;
  SetDate("30", 0, "Сентябрь", "2006", 31);
  const int stipend = engine->St;
  Tick(h);
  ASSERT_EQ(menu->day->Caption(), "1");
  EXPECT_EQ(Money(), 8000 + stipend - 800);
}
