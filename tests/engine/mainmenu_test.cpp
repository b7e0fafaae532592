#include <gtest/gtest.h>

#include "engine/Class.h"
#include "engine/Main.h"
#include "support/GameHarness.h"

using testing_support::GameHarness;

TEST(MainMenuSmoke, StartsWithNormalSkinsAndNewGameCaption) {
  GameHarness h;
  EXPECT_TRUE(Form1->Visible);
  EXPECT_EQ(Form1->gamel->Caption(), "Начать новую игру");
  for (ui::Image* b : Form1->Skins().Buttons()) EXPECT_EQ(GameHarness::skinOf(b), "menu_1.jpg");
  h.moveTo(Form1->load);
  EXPECT_EQ(GameHarness::skinOf(Form1->load), "menu_2.jpg");
  EXPECT_TRUE(h.exceptions().empty());
}
