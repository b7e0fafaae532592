// Mood and health wear down: one warning below 25, a last one at 3, the end
// at 0; values compared as unsigned numbers.
#include <gtest/gtest.h>

#include "road/RoadHelpers.h"

using testing_support::GameHarness;

namespace {
const char* kLowMood = "Внимание! Ваше настроение находится на низком уровне!";
const char* kLastMood = "ВНИМАНИЕ! Ваше настроение почти иссякло! Срочно примите меры!";
const char* kLowHealth = "Внимание! Ваше здоровье находится на низком уровне!";
const char* kLastHealth = "ВНИМАНИЕ! Ваше здоровье почти иссякло! Срочно примите меры!";
}  // namespace

TEST(MoodDecay, WarnsOnceBelow25ThenAgainOnlyAt3) {
  GameHarness h;
  road::StartGame(h);
  road::SetHealth(100);
  road::SetMood(25);
  h.answerEnter();
  menu->tfunTimer();
  EXPECT_EQ(menu->funny->Caption(), "24");
  EXPECT_EQ(GameHarness::skinOf(menu->smile), "bad.bmp");
  ASSERT_EQ(h.messagesShown().size(), 1u);
  EXPECT_EQ(h.messagesShown()[0], kLowMood);
  EXPECT_TRUE(menu->MoodWarned);
  EXPECT_TRUE(menu->ttime->Enabled);  // resumed after the warning
  for (int i = 0; i < 20; ++i) menu->tfunTimer();
  EXPECT_EQ(menu->funny->Caption(), "4");
  EXPECT_EQ(h.messagesShown().size(), 1u);
  h.answerEnter();
  menu->tfunTimer();
  EXPECT_EQ(h.messagesShown().back(), kLastMood);
  EXPECT_TRUE(menu->tfun->Enabled);
}

TEST(MoodDecay, ReachingThreeUnwarnedGivesBothWarningsInOneTick) {
  GameHarness h;
  road::StartGame(h);
  road::SetMood(4);
  h.answerEnter(2);
  menu->tfunTimer();
  EXPECT_EQ(h.messagesShown(), (std::vector<std::string>{kLowMood, kLastMood}));
}

TEST(MoodDecay, ZeroEndsTheGameNamingThePlayer) {
  GameHarness h;
  road::StartGame(h);
  menu->MoodWarned = true;
  road::SetMood(1);
  h.answerEnter();
  menu->tfunTimer();
  EXPECT_EQ(menu->funny->Caption(), "0");
  EXPECT_EQ(GameHarness::skinOf(menu->smile), "bad.bmp");
  EXPECT_EQ(h.messagesShown().back(),
            "Для Вас, Иван, игра закончена, потому что Ваше настроение достигло самого низкого уровня!");
  EXPECT_TRUE(h.app().Terminated());
  h.shutDown();
  const auto log = h.logLines();
  ASSERT_GE(log.size(), 4u);
  EXPECT_EQ(log[log.size() - 4], "Завершение игры, как terminate()");
  EXPECT_EQ(log.back(), "============================");
}

TEST(MoodDecay, ValueBelowZeroIsAHugeUnsignedNumber) {
  GameHarness h({.config = {{"Fun", "-1"}}});
  road::StartGame(h);
  EXPECT_EQ(menu->funny->Caption(), "4294967295");
  menu->tfunTimer();
  EXPECT_EQ(menu->funny->Caption(), "4294967294");
  EXPECT_TRUE(h.messagesShown().empty());
  EXPECT_FALSE(h.app().Terminated());
}

TEST(MoodDecay, RunsEveryTwoSecondsAndWarnsAt24OnTheClock) {
  GameHarness h({.config = {{"Fun", "26"}}});
  road::StartGame(h);
  h.advance(2000);
  EXPECT_EQ(menu->funny->Caption(), "25");
  h.answerModal([&](ui::Form&) {
    EXPECT_FALSE(menu->tfun->Enabled);
    h.key(ui::VK_RETURN);
  });
  h.advance(2000);
  EXPECT_EQ(menu->funny->Caption(), "24");
  EXPECT_EQ(h.messagesShown(), std::vector<std::string>{kLowMood});
  // The warning restarted the interval: the next step is two seconds on.
  h.advance(1999);
  EXPECT_EQ(menu->funny->Caption(), "24");
  h.advance(1);
  EXPECT_EQ(menu->funny->Caption(), "23");
}

TEST(HealthDecay, WarnsBelow25At3AndWarnsAgainAfterThePharmacy) {
  GameHarness h;
  road::StartGame(h);
  road::SetHealth(25);
  h.answerEnter();
  menu->thpTimer();
  EXPECT_EQ(menu->hp->Caption(), "24");
  EXPECT_EQ(h.messagesShown(), std::vector<std::string>{kLowHealth});
  menu->thpTimer();
  EXPECT_EQ(h.messagesShown().size(), 1u);
  menu->HealthWarned = false;  // a medicine
  h.answerEnter();
  menu->thpTimer();
  EXPECT_EQ(h.messagesShown().size(), 2u);
  road::SetHealth(4);
  h.answerEnter();
  menu->thpTimer();
  EXPECT_EQ(menu->hp->Caption(), "3");
  EXPECT_EQ(h.messagesShown().back(), kLastHealth);
  EXPECT_TRUE(menu->thp->Enabled);
}

TEST(HealthDecay, ZeroEndsTheGame) {
  GameHarness h;
  road::StartGame(h);
  menu->HealthWarned = true;
  road::SetHealth(1);
  h.answerEnter();
  menu->thpTimer();
  EXPECT_EQ(menu->hp->Caption(), "0");
  EXPECT_EQ(h.messagesShown().back(),
            "Для Вас, Иван, игра закончена, потому что Ваше здоровье достигло самого низкого уровня и Вы умерли!");
  EXPECT_TRUE(h.app().Terminated());
}

TEST(HealthDecay, RunsEvery2900Ms) {
  GameHarness h;
  road::StartGame(h);
  h.advance(2899);
  EXPECT_EQ(menu->hp->Caption(), "100");
  h.advance(1);
  EXPECT_EQ(menu->hp->Caption(), "99");
}
