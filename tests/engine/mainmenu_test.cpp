// The main menu as the model screen: skins, the drag, its buttons.
#include <gtest/gtest.h>

#include "engine/Class.h"
#include "engine/Inf.h"
#include "engine/Main.h"
#include "engine/Player.h"
#include "support/GameHarness.h"

using testing_support::GameHarness;

namespace {

std::vector<std::string> Skins() {
  std::vector<std::string> names;
  for (ui::Image* b : Form1->Skins().Buttons()) names.push_back(GameHarness::skinOf(b));
  return names;
}

const std::vector<std::string> kAllNormal(6, "menu_1.jpg");

TEST(MainMenu, StartsWithNewGameAllNormalSkinsAndSaveDisabled) {
  GameHarness h;
  EXPECT_TRUE(Form1->Visible);
  EXPECT_EQ(Form1->ClientWidth(), 253);
  EXPECT_EQ(Form1->ClientHeight(), 411);
  EXPECT_EQ(Form1->top->Caption(), "Главное меню");
  EXPECT_EQ(Form1->exit->Caption(), "Х");  // Cyrillic
  EXPECT_EQ(Form1->gamel->Caption(), "Начать новую игру");
  EXPECT_EQ(Form1->gamel->Left, 50);
  EXPECT_EQ(Skins(), kAllNormal);
  EXPECT_FALSE(Form1->save->Enabled);
  EXPECT_FALSE(Form1->savel->Enabled);
  EXPECT_EQ(Form1->game->Width, 220);
  EXPECT_EQ(Form1->game->Height, 37);
}

// The main menu is the program's main window: the window manager's close
// (Alt+F4) ends the program, without the quit dialog.
TEST(MainMenu, TheWindowManagersCloseEndsTheProgram) {
  GameHarness h;
  h.closeWindow(Form1);
  EXPECT_TRUE(h.app().Terminated());
  EXPECT_TRUE(h.messagesShown().empty());
}

TEST(MainMenu, SaveButtonFollowsTheStartingOnGameFlag) {
  GameHarness h({.config = {{"OnGame", "1"}}});
  EXPECT_TRUE(Form1->save->Enabled);
}

TEST(MainMenu, SkinsFollowTheMouseButtonByButton) {
  GameHarness h;
  h.moveTo(Form1->load);
  EXPECT_EQ(Skins()[1], "menu_2.jpg");
  h.moveTo(Form1->helpl);  // straight onto another button's label
  EXPECT_EQ(Skins(), (std::vector<std::string>{"menu_1.jpg", "menu_1.jpg", "menu_1.jpg", "menu_2.jpg", "menu_1.jpg",
                                               "menu_1.jpg"}));
  h.press(Form1->help);
  EXPECT_EQ(Skins()[3], "menu_3.jpg");
  h.moveTo(Form1->logo);  // moving off while pressed: the press keeps the mouse
  h.release(Form1->logo);
  EXPECT_EQ(Skins(), kAllNormal);
  EXPECT_TRUE(Form1->Visible);  // no action
  // Every state change reads the files again.
  const int loads = Form1->game->Picture.LoadCount();
  h.moveTo(Form1->set);
  h.moveTo(Form1->set);
  EXPECT_EQ(Form1->game->Picture.LoadCount(), loads + 2);
}

TEST(MainMenu, RightButtonShowsPressedThenNormalAndDoesNothing) {
  GameHarness h;
  h.clearSounds();
  h.moveTo(Form1->set);
  h.press(Form1->set, ui::MouseButton::Right);
  EXPECT_EQ(Skins()[4], "menu_3.jpg");
  h.release(Form1->set, ui::MouseButton::Right);
  EXPECT_EQ(Skins(), kAllNormal);
  EXPECT_TRUE(h.sounds().empty());
}

TEST(MainMenu, DisabledSaveButtonCountsAsBackground) {
  GameHarness h;
  h.moveTo(Form1->game);
  ASSERT_EQ(Skins()[0], "menu_2.jpg");
  h.moveTo(Form1->save);
  EXPECT_EQ(Skins(), kAllNormal);
  h.clearSounds();
  h.click(Form1->savel);
  EXPECT_TRUE(h.sounds().empty());
}

TEST(MainMenu, LoadSaveAndSettingsOnlyClick) {
  GameHarness h({.config = {{"OnGame", "1"}}});
  h.clearSounds();
  h.click(Form1->load);
  h.click(Form1->savel);
  h.click(Form1->set);
  EXPECT_EQ(h.sounds(), (std::vector<std::string>(3, "click.wav")));
  EXPECT_TRUE(Form1->Visible);
}

TEST(MainMenu, DragsByTitleLogoAndBackgroundButNotWithTheRightButtonOrFromAButton) {
  GameHarness h;
  const int left = Form1->Left, top = Form1->Top;
  h.drag(Form1->top, 30, 20);
  EXPECT_EQ(Form1->Left, left + 30);
  EXPECT_EQ(Form1->Top, top + 20);
  h.drag(Form1->logo, -10, 5);
  EXPECT_EQ(Form1->Left, left + 20);
  h.drag(Form1->game, 50, 50);
  EXPECT_EQ(Form1->Left, left + 20);
  h.moveTo(Form1->top);
  h.press(Form1->top, ui::MouseButton::Right);
  h.release(Form1->top, ui::MouseButton::Right);
  EXPECT_EQ(Form1->Left, left + 20);
}

TEST(MainMenu, CloseLabelTurnsBlackWhilePressed) {
  GameHarness h;
  h.moveTo(Form1->exit);
  h.press(Form1->exit);
  EXPECT_EQ(Form1->exit->Font.Color(), ui::clBlack);
  h.moveTo(Form1->logo);
  h.release(Form1->logo);  // released elsewhere: no quit asked, white again
  EXPECT_EQ(Form1->exit->Font.Color(), ui::clWhite);
}

TEST(MainMenu, NewGameOpensRegistrationAndInformationOpensItsWindow) {
  GameHarness h;
  h.clearSounds();
  h.click(Form1->gamel);
  EXPECT_TRUE(init->Visible);
  EXPECT_FALSE(Form1->Visible);
  EXPECT_EQ(h.sounds(), (std::vector<std::string>{"click.wav"}));
  init->Hide();
  Form1->Show();
  h.pump();
  h.click(Form1->help);
  EXPECT_TRUE(infor->Visible);
  EXPECT_FALSE(Form1->Visible);
}

}  // namespace
