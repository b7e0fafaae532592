// The car market by year, the driving school's course of 31 game days that
// stands still while the game is paused, and the car purchase at its price.
#include <gtest/gtest.h>

#include "city/Avpath.h"
#include "city/CanCar.h"
#include "city/Cbuy.h"
#include "city/CityHelpers.h"

using namespace city_test;

namespace {

HarnessOptions Market(std::map<std::string, std::string> more = {}) {
  std::map<std::string, std::string> config = {{"Money", "100000"}, {"Car", "0"},   {"Home", "3"},
                                               {"MaxFun", "100"},   {"Fun", "100"}, {"Health", "100"}};
  for (auto& [k, v] : more) config[k] = v;
  return With(config);
}

void ToMarket(GameHarness& h, const char* year) {
  OnGameScreen();
  menu->year->Caption = year;
  h.click(menu->trav);
  h.click(travel->avto);
  ASSERT_TRUE(avpath->Visible);
}

// One game day with the game running; whatever messages it brings are answered.
void Day(GameHarness& h) {
  h.answerEnter(4);
  h.advance(1500);
  h.discardAnswers();
}

}  // namespace

TEST(CarMarket, ClosedBefore2007ThenTheSchoolThenTheCars) {
  GameHarness h(Market());
  ToMarket(h, "2006");
  EXPECT_TRUE(avpath->a->Visible);
  for (ui::Control* c : std::initializer_list<ui::Control*>{avpath->can, avpath->canl, avpath->car, avpath->carl}) {
    EXPECT_FALSE(c->Enabled);
  }
  h.click(avpath->close);
  menu->year->Caption = "2007";
  h.click(travel->avto);
  EXPECT_FALSE(avpath->a->Visible);
  EXPECT_TRUE(avpath->can->Enabled);
  EXPECT_TRUE(avpath->canl->Enabled);
  EXPECT_FALSE(avpath->car->Enabled);

  engine->CanCar = true;
  h.click(avpath->close);
  h.click(travel->avto);
  EXPECT_FALSE(avpath->can->Enabled);
  EXPECT_TRUE(avpath->car->Enabled);
  EXPECT_TRUE(avpath->carl->Enabled);
  h.click(avpath->carl);
  EXPECT_TRUE(cbuy->Visible);
  h.click(cbuy->close);
  EXPECT_TRUE(avpath->Visible);
}

TEST(DrivingSchool, ThePriceInCashIsRefusedOneRoubleMoreStartsAndASecondClickStartsOver) {
  GameHarness h(Market({{"CanCarPrice", "2000"}}));
  ToMarket(h, "2007");
  h.click(avpath->can);
  ASSERT_TRUE(canCar->Visible);
  SetMoney(2000);
  EXPECT_FALSE(canCar->pos->Visible);
  h.answerEnter();
  h.click(canCar->start);
  EXPECT_EQ(h.messagesShown(), std::vector<std::string>{"У Вас недостаточно денег для обучения!"});
  EXPECT_EQ(Money(), 2000);
  EXPECT_FALSE(canCar->Learning);

  SetMoney(2001);
  h.click(canCar->startl);
  EXPECT_EQ(Money(), 1);
  EXPECT_TRUE(canCar->pos->Visible);
  EXPECT_EQ(canCar->pos->Progress(), 1);
  EXPECT_TRUE(canCar->Learning);
  EXPECT_FALSE(canCar->timer->Enabled);  // it starts when the game runs again
  EXPECT_TRUE(canCar->start->Enabled);

  SetMoney(5000);
  canCar->pos->Progress = 12;
  h.click(canCar->start);
  EXPECT_EQ(Money(), 3000);
  EXPECT_EQ(canCar->pos->Progress(), 1);
  h.click(canCar->close);
  EXPECT_TRUE(avpath->Visible);
}

// 30 steps take the gauge from 1 to 31 and the 31st gives the licence, one
// step a game day while the game runs; paused time does not count.
TEST(DrivingSchool, TheLicenceComesOnThe31stStepAndPausedTimeDoesNotCount) {
  GameHarness h(Market({{"CanCarPrice", "2000"}}));
  ToMarket(h, "2007");
  menu->AttendsUniversity = false;
  h.click(avpath->can);
  h.click(canCar->start);
  int steps = 0;
  const auto step = canCar->timer->OnTimer;
  canCar->timer->OnTimer = [&steps, step](ui::Control& c) {
    ++steps;
    step(c);
  };
  h.click(canCar->close);
  h.click(avpath->close);
  h.advance(20000);  // still in town: nothing moves
  EXPECT_EQ(steps, 0);
  h.click(travel->close);
  ASSERT_TRUE(menu->Visible);
  ASSERT_TRUE(canCar->timer->Enabled);
  EXPECT_EQ(canCar->timer->Interval(), menu->ttime->Interval());

  const std::string licence = "Вы прошли обучение на водительские права!";
  auto licensed = [&] { return std::count(h.messagesShown().begin(), h.messagesShown().end(), licence); };
  int days = 0;
  while (steps < 10 && days < 40) Day(h), ++days;
  EXPECT_EQ(canCar->pos->Progress(), 11);
  EXPECT_LE(steps, days);
  // A long stay in town: the game is paused and so is the course.
  h.click(menu->trav);
  EXPECT_FALSE(canCar->timer->Enabled);
  h.advance(20000);
  EXPECT_EQ(steps, 10);
  h.click(travel->close);
  while (steps < 30 && days < 80) Day(h), ++days;
  EXPECT_EQ(canCar->pos->Progress(), 31);
  EXPECT_TRUE(canCar->Learning);
  EXPECT_FALSE(engine->CanCar);
  EXPECT_EQ(licensed(), 0);

  while (steps < 31 && days < 90) Day(h), ++days;
  EXPECT_EQ(licensed(), 1);
  EXPECT_TRUE(engine->CanCar);
  EXPECT_FALSE(canCar->Learning);
  EXPECT_FALSE(canCar->pos->Visible);
  EXPECT_FALSE(canCar->timer->Enabled);
  EXPECT_FALSE(avpath->can->Enabled);
  EXPECT_TRUE(menu->ttime->Enabled);  // the message resumed the running game
  Day(h);
  Day(h);
  EXPECT_EQ(steps, 31);
}

TEST(CarPurchase, ThirteenThousandIsRefusedOneRoubleMoreBuysTheCar) {
  GameHarness h(Market({{"CanCar", "1"}}));
  ToMarket(h, "2007");
  h.click(avpath->car);
  ASSERT_TRUE(cbuy->Visible);
  SetMoney(13000);
  h.answerEnter();
  h.click(cbuy->buy);
  EXPECT_EQ(h.messagesShown().back(),
            "У Вас недостаточно денег для покупки автомобиля! Советуем взять кредит в банке.");
  EXPECT_EQ(Money(), 13000);
  EXPECT_FALSE(engine->Car);

  SetMoney(13001);
  SetMood(50);
  const int xp = Xp();
  h.answerEnter();
  h.click(cbuy->buyl);
  EXPECT_EQ(h.messagesShown().back(), "Поздравляем! Вы купили автомобиль!");
  EXPECT_EQ(Money(), 1);
  EXPECT_TRUE(engine->Car);
  EXPECT_EQ(Mood(), 60);
  EXPECT_EQ(Xp(), xp + 150);
  EXPECT_FALSE(cbuy->buy->Enabled);
  EXPECT_FALSE(avpath->car->Enabled);

  // The market offers the purchase again; the window sells nothing more.
  h.click(cbuy->close);
  EXPECT_TRUE(avpath->car->Enabled);
  h.click(avpath->car);
  SetMoney(50000);
  h.click(cbuy->buy);
  EXPECT_EQ(Money(), 50000);
  EXPECT_EQ(h.messagesShown().size(), 2u);
}
