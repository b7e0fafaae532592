// The car accident: the daily roll of a car owner, on dice the test seeds
// itself, and what a crash does at health 21 and 20.
#include <gtest/gtest.h>

#include <ctime>

#include "city/CityHelpers.h"
#include "engine/RandomSource.h"

using namespace city_test;

namespace {

// The first seed from `from` whose roll is (or is not) a crash.
uint32_t SeedWhere(bool crash, uint32_t from = 1) {
  RandomSource dice;
  for (uint32_t seed = from;; ++seed) {
    dice.SeedSource = [seed] { return seed; };
    if ((dice.Roll() % 30000 > 29950) == crash) return seed;
  }
}

void UseSeed(uint32_t seed) {
  engine->Random.SeedSource = [seed] { return seed; };
}

size_t Count(const std::vector<std::string>& log, const std::string& line) {
  return static_cast<size_t>(std::count(log.begin(), log.end(), line));
}

const char* const kInjured =
    "Сегодня Вы попали в автомобильную аварию и были ранены! Рекомендуется пройти курс лечения.";
const char* const kKilled =
    "В сегодняшней автомобильной аварии Вы были смертельно ранены и скоропостижно скончались! Игра закончена.";

}  // namespace

TEST(CarAccident, AtHealth21TheDriverIsInjuredAndKeepsOne) {
  GameHarness h(With({{"Car", "1"}}));
  OnGameScreen();
  const uint32_t seed = SeedWhere(true);
  SCOPED_TRACE("seed " + std::to_string(seed));
  UseSeed(seed);
  SetHealth(21);
  h.answerEnter();
  engine->CheckCarAccident();
  EXPECT_EQ(h.messagesShown(), std::vector<std::string>{kInjured});
  EXPECT_EQ(Health(), 1);
  EXPECT_EQ(engine->Health, 1);
  EXPECT_EQ(Count(h.logLines(), "Ранен в аварии..."), 1u);
  EXPECT_FALSE(h.app().Terminated());
  EXPECT_TRUE(menu->ttime->Enabled);  // the message resumed the running game
}

TEST(CarAccident, AtHealth20TheDriverDiesAndTheGameEnds) {
  GameHarness h(With({{"Car", "1"}}));
  OnGameScreen();
  UseSeed(SeedWhere(true));
  SetHealth(20);
  h.answerEnter();
  engine->CheckCarAccident();
  EXPECT_EQ(h.messagesShown(), std::vector<std::string>{kKilled});
  EXPECT_TRUE(h.app().Terminated());
  const auto log = h.logLines();
  EXPECT_EQ(Count(log, "Погиб в аварии..."), 1u);
  EXPECT_EQ(Count(log, "Завершение игры, как terminate()"), 1u);
}

TEST(CarAccident, MostRollsAreNothingAndOnlyACarOwnerRolls) {
  GameHarness h(With({{"Car", "1"}, {"Money", "100000"}}));
  OnGameScreen();
  menu->AttendsUniversity = false;
  SetHealth(80);
  UseSeed(SeedWhere(false));
  engine->CheckCarAccident();
  EXPECT_TRUE(h.messagesShown().empty());
  EXPECT_EQ(Health(), 80);

  // The day clock rolls once a day for the car's owner...
  UseSeed(SeedWhere(true));
  h.answerEnter();
  menu->ttimeTimer();
  EXPECT_EQ(h.messagesShown(), std::vector<std::string>{kInjured});
  EXPECT_EQ(Health(), 60);
  // ...and never for anyone else.
  engine->Car = false;
  menu->ttimeTimer();
  EXPECT_EQ(h.messagesShown().size(), 1u);
  EXPECT_EQ(Health(), 60);
}

// The game's own dice take their seed from the clock in seconds; two rolls
// within one second agree.
TEST(CarAccident, TheGamesDiceAreSeededFromTheClock) {
  RandomSource dice;
  const auto before = static_cast<uint32_t>(std::time(nullptr));
  const uint32_t seed = dice.SeedSource();
  const auto after = static_cast<uint32_t>(std::time(nullptr));
  EXPECT_GE(seed, before);
  EXPECT_LE(seed, after);
  dice.SeedSource = [] { return 77u; };
  const uint32_t first = dice.Roll();
  EXPECT_EQ(dice.Roll(), first);
  dice.SeedSource = [] { return 78u; };
  EXPECT_NE(dice.Roll(), first);
}
