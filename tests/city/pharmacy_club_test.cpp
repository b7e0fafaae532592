// The pharmacy and the computer club: what each medicine and each game gives
// at the edges of its thresholds, in which window it says so, and the money
// each costs, refused at exactly the price.
#include <gtest/gtest.h>

#include "city/Apteka.h"
#include "city/CityHelpers.h"
#include "city/Ksalon.h"
#include "ui/HintWindow.h"

using namespace city_test;
using Strings = std::vector<std::string>;

namespace {
const char* const kRaised = "Теперь уровень Вашего здоровья повышен!";
const char* const kFull = "Отлично! Теперь Ваше здоровье в отличной форме!";
}  // namespace

TEST(Pharmacy, EachMedicineAtTheEdgesOfItsThreshold) {
  GameHarness h(With({{"Money", "100000"}, {"Car", "1"}, {"MaxFun", "100"}, {"Home", "3"}}));
  GoTo(h, travel->hosp);
  ASSERT_TRUE(apteka->Visible);
  struct Case {
    ui::Control* button;
    int health, healthAfter, moodGain, price;
    Said said;
  };
  const Case cases[] = {
      {apteka->hard, 59, 99, 1, 500, {"mess", kRaised}}, {apteka->hardl, 60, 100, 2, 500, {"mess", kFull}},
      {apteka->hard, 100, 100, 2, 500, {"mess", kFull}}, {apteka->low, 74, 99, 0, 300, {"mes", kRaised}},
      {apteka->lowl, 75, 100, 2, 300, {"mes", kFull}},   {apteka->low, 0, 25, 0, 300, {"mes", kRaised}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.health);
    SetHealth(c.health);
    SetMood(40);
    menu->HealthWarned = true;
    const int money = Money();
    std::vector<Said> said;
    AnswerAndRecord(h, said);
    h.click(c.button);
    EXPECT_EQ(said, std::vector<Said>{c.said});
    EXPECT_EQ(Health(), c.healthAfter);
    EXPECT_EQ(engine->Health, c.healthAfter);
    EXPECT_EQ(Mood(), 40 + c.moodGain);
    EXPECT_EQ(Money(), money - c.price);
    EXPECT_FALSE(menu->HealthWarned);  // the low-health warning may come again
    EXPECT_FALSE(menu->ttime->Enabled);
    EXPECT_TRUE(apteka->Visible);
  }
  EXPECT_TRUE(h.exceptions().empty());
}

TEST(Pharmacy, CashEqualToThePriceIsRefusedOneRoubleMoreLeavesOne) {
  GameHarness h(With({{"Money", "500"}, {"Car", "1"}}));
  GoTo(h, travel->hosp);
  SetHealth(30);
  std::vector<Said> said;
  AnswerAndRecord(h, said);
  h.click(apteka->hard);
  EXPECT_EQ(said, (std::vector<Said>{{"mess", "Ваших денег недостаточно!"}}));
  EXPECT_EQ(Money(), 500);
  EXPECT_EQ(Health(), 30);

  SetMoney(501);
  AnswerAndRecord(h, said);
  h.click(apteka->hard);
  EXPECT_EQ(Money(), 1);
  EXPECT_EQ(Health(), 70);

  SetMoney(300);
  AnswerAndRecord(h, said);
  h.click(apteka->lowl);
  EXPECT_EQ(said.back(), (Said{"mess", "Ваших денег недостаточно!"}));
  EXPECT_EQ(Money(), 300);
  EXPECT_EQ(Health(), 70);
}

TEST(Pharmacy, StoredPicturesUntilTheFirstSkinResetThenTheFarmSkins) {
  GameHarness h(With({{"Car", "1"}}));
  GoTo(h, travel->hosp);
  EXPECT_EQ(GameHarness::skinOf(apteka->hard), "apteka_hard.jpg");
  EXPECT_EQ(GameHarness::skinOf(apteka->low), "apteka_low.jpg");
  h.moveTo(apteka->hardl);
  EXPECT_EQ(GameHarness::skinOf(apteka->hard), "farm_2.jpg");
  EXPECT_EQ(GameHarness::skinOf(apteka->low), "farm_1.jpg");
  h.moveTo(apteka->Label4);
  EXPECT_EQ(GameHarness::skinOf(apteka->hard), "farm_1.jpg");
  EXPECT_EQ(apteka->close->Caption(), "Х");  // the Cyrillic letter
}

TEST(ComputerClub, MoodUpToTheCapAndTheEducationPointsOfEachGenre) {
  GameHarness h(With({{"Money", "100000"}, {"Car", "1"}, {"Home", "0"}, {"MaxFun", "30"}, {"Max", "1000"}}));
  GoTo(h, travel->salon);
  ASSERT_TRUE(ksalon->Visible);
  ASSERT_EQ(engine->MaxFun, 30);
  struct Case {
    ui::Control* button;
    int mood, moodAfter, points;
    const char* text;
  };
  const Case cases[] = {
      {ksalon->shoot, 9, 29, 0, "Вы поиграли в шутеры и Ваше настроение увеличилось!"},
      {ksalon->shootl, 10, 30, 0, "Вы поиграли в шутеры и Ваше настроение в отличной форме!"},
      {ksalon->strateg, 19, 29, 2, "Вы поиграли в стратегии и Ваше настроение увеличилось!"},
      {ksalon->strategl, 30, 30, 2, "Вы поиграли в стратегии и Ваше настроение в отличной форме!"},
      {ksalon->rpg, 14, 29, 1, "Вы поиграли в RPG и Ваше настроение увеличилось!"},
      {ksalon->rpgl, 15, 30, 1, "Вы поиграли в RPG и Ваше настроение в отличной форме!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SetMood(c.mood);
    menu->MoodWarned = true;
    const int money = Money();
    const int points = engine->Onum;
    std::vector<Said> said;
    AnswerAndRecord(h, said);
    h.click(c.button);
    EXPECT_EQ(said, (std::vector<Said>{{"mes", c.text}}));
    EXPECT_EQ(Mood(), c.moodAfter);
    EXPECT_EQ(engine->Fun, c.moodAfter);
    EXPECT_EQ(Money(), money - 100);
    EXPECT_EQ(engine->Onum, points + c.points);
    EXPECT_FALSE(menu->MoodWarned);
    EXPECT_FALSE(menu->ttime->Enabled);
  }
}

TEST(ComputerClub, AHundredInCashIsRefusedWithBothMessagesTheEnginesFirst) {
  GameHarness h(With({{"Money", "100"}, {"Car", "1"}}));
  GoTo(h, travel->salon);
  SetMood(10);
  for (ui::Control* game : {static_cast<ui::Control*>(ksalon->shoot), static_cast<ui::Control*>(ksalon->strategl),
                            static_cast<ui::Control*>(ksalon->rpg)}) {
    std::vector<Said> said;
    AnswerAndRecord(h, said, 2);
    h.click(game);
    EXPECT_EQ(said, (std::vector<Said>{{"mess", "Ваших денег недостаточно!"},
                                       {"mes", "У Вас недостаточно денег для игры в салоне!"}}));
    EXPECT_EQ(Money(), 100);
    EXPECT_EQ(Mood(), 10);
  }
}

TEST(ComputerClub, EachGameTellsWhatItGivesWhenTheMouseRestsOnIt) {
  GameHarness h(With({{"Car", "1"}}));
  GoTo(h, travel->salon);
  EXPECT_EQ(ksalon->strategl->Hint(), ksalon->strateg->Hint());
  h.moveTo(ksalon->rpgl);
  h.advance(600);
  ASSERT_TRUE(h.app().Hint()->Visible);
  EXPECT_EQ(h.app().Hint()->Text(),
            "Играя в RPG Ваше настроение повысится на 15% и немного увеличится уровень образования.");
  EXPECT_EQ(GameHarness::skinOf(ksalon->rpg), "farm_2.jpg");
}
