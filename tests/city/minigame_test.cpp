// The mini-game: the first click starts it, clicks push the bar up, the
// drain loses it, 31 countdown ticks win it; wins make the next game faster
// down to 33 ms; mood moves by the configured amount either way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "city/Lines.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "support/GameHarness.h"
#include "ui/PopupMenu.h"

using testing_support::GameHarness;
using Strings = std::vector<std::string>;

namespace {

testing_support::HarnessOptions Mood(const char* fun) {
  testing_support::HarnessOptions options;
  options.config = {{"Home", "3"}, {"MaxFun", "100"}, {"Fun", fun}, {"Health", "100"}, {"MiniGameXp", "10"}};
  return options;
}

// From the running game screen through the icon's menu.
void Open(GameHarness& h) {
  if (!menu->Visible) {
    Form1->Hide();
    menu->Show();
  }
  h.answerModal([](ui::Form&) { menu->pm->Choose(menu->N7); });
  h.click(menu->ico);
  ASSERT_TRUE(lines->Visible);
  ASSERT_FALSE(menu->Visible);
}

int Mood() { return std::stoi(menu->funny->Caption()); }

// The texts of the message windows answered (the icon's menu shows none).
Strings Messages(GameHarness& h) {
  Strings texts;
  for (const std::string& text : h.messagesShown()) {
    if (!text.empty()) texts.push_back(text);
  }
  return texts;
}

// Clicks every 50 ms until the game is over; the time it took from the first click.
uint64_t PlayToTheEnd(GameHarness& h) {
  h.click(lines->panel);
  const uint64_t start = h.now();
  while (lines->Visible && h.now() - start < 40000) {
    h.advance(50);
    if (lines->Visible) h.click(lines->panel);
  }
  return h.now() - start;
}

const char* const kWinHarder =
    "Поздравляем! Вы смогли удержать полосу! +10% к настроению. Теперь сложность увеличиться!";
const char* const kWin = "Поздравляем! Вы смогли удержать полосу! +10% к настроению.";
const char* const kLoss = "Вы не смогли удержать полосу! -10% к настроению!";

}  // namespace

TEST(MiniGame, ClosingBeforeTheFirstClickChangesNothing) {
  GameHarness h(Mood("50"));
  Open(h);
  EXPECT_EQ(lines->line->Position(), 100);
  EXPECT_EQ(lines->t->Caption(), "30");
  h.advance(5000);
  EXPECT_EQ(lines->line->Position(), 100) << "nothing drains before the first click";
  h.clearSounds();
  h.click(lines->close);
  EXPECT_TRUE(menu->Visible);
  EXPECT_TRUE(menu->ttime->Enabled);
  EXPECT_EQ(Mood(), 50);
  EXPECT_EQ(h.sounds(), Strings{"close.wav"});
  EXPECT_TRUE(Messages(h).empty());
  EXPECT_TRUE(h.exceptions().empty()) << h.exceptions().front();
}

TEST(MiniGame, FirstClickStartsWithoutAddingAndLocksTheWayOut) {
  GameHarness h(Mood("50"));
  Open(h);
  lines->line->Position = 90;
  h.click(lines->panel);
  EXPECT_EQ(lines->line->Position(), 90);
  EXPECT_TRUE(lines->time->Enabled && lines->ttime->Enabled);
  EXPECT_FALSE(lines->close->Enabled);
  h.click(lines->close);
  EXPECT_TRUE(lines->Visible) << "no way out while the game runs";
  h.click(lines->panel);
  EXPECT_EQ(lines->line->Position(), 92);
  for (int i = 0; i < 6; ++i) h.click(lines->panel);
  EXPECT_EQ(lines->line->Position(), 100) << "the bar stops at 100";
  h.advance(1000);
  EXPECT_EQ(lines->t->Caption(), "29");
}

TEST(MiniGame, BothPressesOfAQuickPairPushTheBar) {
  GameHarness h(Mood("50"));
  Open(h);
  h.click(lines->panel);
  lines->line->Position = 50;
  h.doubleClick(lines->panel);
  EXPECT_EQ(lines->line->Position(), 54);
}

TEST(MiniGame, WinsSpeedTheDrainUpTo33AndStopThere) {
  GameHarness h(Mood("50"));
  Open(h);
  lines->time->Interval = 37;
  h.answerEnter();
  // 30 ticks to reach "0", one more decides.
  EXPECT_EQ(PlayToTheEnd(h), 31000u);
  EXPECT_EQ(Messages(h), Strings{kWinHarder});
  EXPECT_EQ(lines->time->Interval(), 33);
  EXPECT_EQ(Mood(), 60);
  EXPECT_FALSE(lines->Visible);
  EXPECT_TRUE(menu->Visible);
  EXPECT_TRUE(menu->ttime->Enabled) << "the game runs again";
  EXPECT_TRUE(lines->close->Enabled);
  EXPECT_EQ(lines->t->Caption(), "30");

  Open(h);
  EXPECT_EQ(lines->line->Position(), 100);
  h.answerEnter();
  PlayToTheEnd(h);
  EXPECT_EQ(h.messagesShown().back(), kWin);
  EXPECT_EQ(lines->time->Interval(), 33);
  EXPECT_EQ(Mood(), 70);
}

TEST(MiniGame, ABarDrainedToZeroLosesAtTheNextDrainTick) {
  GameHarness h(Mood("50"));
  Open(h);
  h.answerEnter();
  h.click(lines->panel);
  // 100 drain ticks of 65 ms empty the bar; the next one sees it empty.
  h.advance(100 * 65);
  EXPECT_TRUE(lines->Visible);
  EXPECT_EQ(lines->line->Position(), 0);
  h.advance(65);
  EXPECT_EQ(Messages(h), Strings{kLoss});
  EXPECT_EQ(Mood(), 40);
  EXPECT_FALSE(lines->Visible);
  EXPECT_TRUE(menu->Visible);
  EXPECT_TRUE(menu->ttime->Enabled);
  EXPECT_EQ(lines->line->Position(), 100);
  EXPECT_EQ(lines->t->Caption(), "30");
  EXPECT_TRUE(lines->close->Enabled);
  EXPECT_EQ(lines->time->Interval(), 65) << "a loss keeps the pace";

  // With the countdown already at "0", an empty bar still loses.
  Open(h);
  h.click(lines->panel);
  lines->t->Caption = "0";
  lines->line->Position = 1;
  h.answerEnter();
  h.advance(2 * 65);
  EXPECT_EQ(h.messagesShown().back(), kLoss);
  EXPECT_EQ(Mood(), 30);
}

TEST(MiniGame, ALossThatEmptiesTheMoodEndsTheGame) {
  GameHarness h(Mood("10"));
  Open(h);
  h.answerEnter(2);  // the loss, then the end of the game
  h.click(lines->panel);
  h.advance(101 * 65);
  EXPECT_EQ(Messages(h).size(), 2u);
  EXPECT_TRUE(h.app().Terminated());
  EXPECT_FALSE(menu->Visible) << "no game screen after the end";
}
