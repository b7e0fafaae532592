// A whole game year on the virtual clock with every game-screen timer
// running: the shipped configuration, a player who keeps mood and health up
// (as the club and the pharmacy would) and never goes to the university.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <iostream>

#include "road/RoadHelpers.h"

using testing_support::GameHarness;

TEST(GameYear, FromTheStartDateToTheNextSeptember) {
  GameHarness h;
  road::StartGame(h);
  menu->AttendsUniversity = false;
  ASSERT_EQ(menu->money->Caption(), "5000");
  const std::clock_t cpuStart = std::clock();
  const uint64_t start = h.now();
  int steps = 0;
  while (!(menu->day->Caption == "2" && menu->month->Caption == "Сентябрь" && menu->year->Caption == "2007")) {
    ASSERT_LT(++steps, 5000) << "the clock stopped at " << menu->day->Caption() << " " << menu->month->Caption();
    ASSERT_FALSE(h.app().Terminated());
    if (road::Number(menu->funny) < 26) road::SetMood(30);
    if (road::Number(menu->hp) < 26) road::SetHealth(100);
    while (h.pendingAnswers() < 4) h.answerEnter();
    h.advance(500);
  }
  h.discardAnswers();  // queued ahead for whatever the year brings
  const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  std::cout << "[ year     ] 366 game days, " << (h.now() - start) / 1000 << " s of game time, " << cpu
            << " s of CPU\n";
  RecordProperty("cpu_seconds", std::to_string(cpu));

  EXPECT_EQ(menu->dow->Caption(), "Воскресенье");
  // Eleven months paid 800 out of 350 + the rest; the twelfth could not pay.
  EXPECT_EQ(menu->money->Caption(), "400");
  EXPECT_FALSE(engine->HouseXN);
  EXPECT_TRUE(h.exceptions().empty());
  const auto log = h.logLines();
  auto count = [&](const char* line) { return std::count(log.begin(), log.end(), line); };
  EXPECT_EQ(count("Удалось оплатить счет за квартиру..."), 11);
  EXPECT_EQ(count("Не удалось оплатить счет за квартиру в первый раз..."), 1);
  EXPECT_EQ(count("Завершение игры, как terminate()"), 0);
  EXPECT_EQ(count("Фамилия игрока: Петров"), 1);
  // No warning came: mood and health were kept above 25.
  const auto& m = h.messagesShown();
  EXPECT_EQ(std::count(m.begin(), m.end(), "Оплата за квартиру прошла успешно!"), 11);
  EXPECT_EQ(std::count_if(m.begin(), m.end(), [](const std::string& s) { return s.find("Внимание") == 0; }), 0);
}
