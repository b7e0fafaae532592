// Sounds and the two message windows around the game's pause.
#include <gtest/gtest.h>

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Imes.h"
#include "engine/Message.h"
#include "support/GameHarness.h"

using testing_support::GameHarness;

namespace {

TEST(GameMessage, FromTheGameScreenStopsTheClockAndResumesItAfterOk) {
  GameHarness h;
  menu->Show();
  h.pump();
  ASSERT_TRUE(engine->OnGame);
  ASSERT_TRUE(menu->ttime->Enabled);
  h.clearSounds();
  h.answerModal([&](ui::Form& m) {
    EXPECT_EQ(&m, mes);
    EXPECT_FALSE(menu->ttime->Enabled);
    EXPECT_FALSE(menu->tfun->Enabled);
    EXPECT_EQ(mes->text->Caption(), "Привет");
    h.click(mes->ok);
  });
  engine->ShowGameMessage("Привет");
  EXPECT_TRUE(menu->ttime->Enabled);
  EXPECT_EQ(mes->text->Caption(), "");
  EXPECT_FALSE(mes->Visible);
  EXPECT_EQ(h.sounds(), (std::vector<std::string>{"mes.wav", "click.wav"}));
}

TEST(GameMessage, FromAnotherScreenLeavesTimeStopped) {
  GameHarness h;
  menu->Show();
  h.pump();
  menu->Hide();  // leaving the game screen pauses and clears OnGame
  ASSERT_FALSE(engine->OnGame);
  h.answerEnter();
  engine->ShowGameMessage("Сообщение");
  EXPECT_FALSE(menu->ttime->Enabled);
  EXPECT_FALSE(menu->thp->Enabled);
}

TEST(GameMessage, SpaceOnAGameOverMessageEndsTheProgram) {
  GameHarness h;
  h.answerModal([&](ui::Form&) { h.key(ui::VK_SPACE); });
  engine->ShowGameMessage("Конец", true);
  EXPECT_TRUE(h.app().Terminated());
  const auto log = h.logLines();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "Завершение игры, как terminate()");
  EXPECT_EQ(log.back(), "/////////////////////////////////");
}

// The window manager's close answers a game message as OK does: a game-over
// message still ends the game, another one resumes the game screen's clock.
TEST(GameMessage, TheWindowManagersCloseAnswersAsOk) {
  GameHarness h;
  menu->Show();
  h.answerModal([&](ui::Form& m) { h.closeWindow(&m); });
  engine->ShowGameMessage("Сообщение");
  EXPECT_FALSE(mes->Visible);
  EXPECT_TRUE(menu->ttime->Enabled);
  EXPECT_FALSE(h.app().Terminated());
  h.answerModal([&](ui::Form& m) { h.closeWindow(&m); });
  engine->ShowGameMessage("Конец", true);
  EXPECT_TRUE(h.app().Terminated());
  EXPECT_EQ(h.logLines().back(), "/////////////////////////////////");
}

TEST(InfoMessage, NeverTouchesTheTimersAndEmptiesItsTextWhenClosed) {
  GameHarness h;
  menu->Show();
  h.pump();
  h.clearSounds();
  h.answerModal([&](ui::Form& m) {
    EXPECT_EQ(&m, mess);
    EXPECT_TRUE(menu->ttime->Enabled);
    h.key(ui::VK_RETURN);
  });
  engine->ShowInfoMessage("Вы купили процессор - X");
  EXPECT_TRUE(menu->ttime->Enabled);
  EXPECT_EQ(mess->text->Caption(), "");
  EXPECT_EQ(h.messagesShown().back(), "Вы купили процессор - X");
  EXPECT_EQ(h.sounds(), (std::vector<std::string>{"mes.wav", "click.wav"}));
  // Other keys do nothing.
  h.answerModal([&](ui::Form&) {
    h.key('A');
    h.key(ui::VK_ESCAPE);
    EXPECT_TRUE(mess->Visible);
    h.key(ui::VK_SPACE);
  });
  engine->ShowInfoMessage("ещё");
  EXPECT_FALSE(mess->Visible);
}

// The window manager's close (Alt+F4) closes a message window, which has no
// close label, as any modal window is closed.
TEST(InfoMessage, TheWindowManagersCloseClosesIt) {
  GameHarness h;
  h.answerModal([&](ui::Form& m) { h.closeWindow(&m); });
  engine->ShowInfoMessage("Проверка");
  EXPECT_FALSE(mess->Visible);
  EXPECT_EQ(mess->text->Caption(), "");
  EXPECT_FALSE(h.app().Terminated());
}

TEST(MessageWindows, OkSkinFollowsTheMouseAndTheWindowIsShapedByRed) {
  GameHarness h;
  h.answerModal([&](ui::Form&) {
    EXPECT_EQ(GameHarness::skinOf(mess->ok), "mes_1.jpg");
    h.moveTo(mess->okl);
    EXPECT_EQ(GameHarness::skinOf(mess->ok), "mes_2.jpg");
    h.press(mess->ok);
    EXPECT_EQ(GameHarness::skinOf(mess->ok), "mes_3.jpg");
    h.moveTo(mess->text);
    h.release(mess->text);  // released away from the button: no click
    EXPECT_EQ(GameHarness::skinOf(mess->ok), "mes_1.jpg");
    EXPECT_TRUE(mess->Visible);
    h.moveTo(mess->Image1);
    EXPECT_EQ(GameHarness::skinOf(mess->ok), "mes_1.jpg");
    h.click(mess->okl);
  });
  engine->ShowInfoMessage("текст");
  EXPECT_FALSE(mess->Visible);
  EXPECT_TRUE(mess->TransparentColor);
  EXPECT_EQ(mess->TransparentColorValue(), ui::clRed);
  const auto& windows = h.backend().Windows();
  ASSERT_TRUE(windows.count(mess->Window()));
  EXPECT_TRUE(windows.at(mess->Window()).params.shaped);
}

TEST(Sounds, EachServicePlaysItsFileAndAMissingOneIsSilence) {
  GameHarness h;
  h.clearSounds();
  engine->PlayClickSound();
  engine->PlayCloseSound();
  engine->PlaySoundFile("no-such.wav");
  EXPECT_EQ(h.sounds(), (std::vector<std::string>{"click.wav", "close.wav", "no-such.wav"}));
  EXPECT_TRUE(h.exceptions().empty());
}

}  // namespace
