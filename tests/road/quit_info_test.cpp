// The quit dialog's "ДА" and its three kinds of "НЕТ", and the information
// window's links.
#include <gtest/gtest.h>

#include "engine/Inf.h"
#include "engine/Qmes.h"
#include "road/RoadHelpers.h"
#include "ui/MessageDialog.h"

using testing_support::GameHarness;

namespace {

std::vector<std::string> Tail(const std::vector<std::string>& lines, size_t n) {
  return std::vector<std::string>(lines.end() - static_cast<long>(std::min(n, lines.size())), lines.end());
}

}  // namespace

TEST(QuitDialog, IsShapedByRedAndDrawsItsBackground) {
  GameHarness h;
  EXPECT_TRUE(ques->TransparentColor);
  EXPECT_EQ(ques->TransparentColorValue().Value(), 255u);
  EXPECT_EQ(GameHarness::skinOf(ques->fon), "ques_fon.bmp");
  EXPECT_EQ(ques->Width(), 430);
  EXPECT_EQ(ques->Height(), 160);
  for (ui::Image* b : ques->Skins().Buttons()) EXPECT_EQ(GameHarness::skinOf(b), "mes_1.jpg");
}

TEST(QuitDialog, YesShowsTheBoxEndsTheGameThenStartsTheBugInformer) {
  GameHarness h;
  road::StartGame(h);
  h.click(menu->main);
  size_t launchesWhenBoxUp = 99;
  std::vector<std::string> logWhenInformerStarts;
  h.answerModal([&](ui::Form&) { h.click(ques->yes); });
  h.answerModal([&](ui::Form& box) {
    auto* dialog = dynamic_cast<ui::MessageDialog*>(&box);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Flags(), ui::MB_OK | ui::MB_ICONINFORMATION);
    EXPECT_EQ(dialog->Caption(), "Информация");
    launchesWhenBoxUp = h.launches().size();
    h.key(ui::VK_RETURN);
  });
  h.click(Form1->close);
  EXPECT_EQ(launchesWhenBoxUp, 0u);
  EXPECT_EQ(h.messagesShown().back(), "Если Вы нашли ошибку или недочет - сообщите разработчику!");
  ASSERT_EQ(h.launches().size(), 1u);
  EXPECT_EQ(h.launches()[0].first, h.gameDir() + "//bin/ZenxBugInformer");
  EXPECT_TRUE(h.app().Terminated());
  h.shutDown();
  EXPECT_EQ(Tail(h.logLines(), 5),
            (std::vector<std::string>{"Завершение игры, как terminate()", "/////////////////////////////////",
                                      "Подтверждение о выходе...", "Завершение...", "============================"}));
}

TEST(QuitDialog, EnterAndSpaceAnswerYes) {
  for (int key : {ui::VK_RETURN, ui::VK_SPACE}) {
    GameHarness h;
    h.answerModal([&, key](ui::Form&) { h.key(key); });
    h.answerEnter();  // the message box
    h.click(Form1->exit);
    EXPECT_TRUE(h.app().Terminated()) << key;
    EXPECT_EQ(h.launches().size(), 1u);
    EXPECT_EQ(h.sounds().front(), "close.wav");
  }
}

TEST(QuitDialog, NoFromTheGameScreenResumesTheClock) {
  GameHarness h;
  road::StartGame(h);
  bool pausedWhileUp = false;
  h.answerModal([&](ui::Form&) {
    pausedWhileUp = !menu->ttime->Enabled && !menu->tfun->Enabled;
    h.click(ques->no);
  });
  h.click(menu->qexit);
  EXPECT_TRUE(pausedWhileUp);
  EXPECT_FALSE(ques->Visible);
  EXPECT_TRUE(menu->ttime->Enabled);
  EXPECT_TRUE(menu->thp->Enabled);
  EXPECT_FALSE(h.app().Terminated());
  EXPECT_EQ(h.logLines().back(), "Подтверждение о выходе...");
  h.advance(1500);
  EXPECT_EQ(menu->day->Caption(), "3");
}

// The window manager's close is "НЕТ": from the game screen the clock runs on.
TEST(QuitDialog, TheWindowManagersCloseAnswersNo) {
  GameHarness h;
  road::StartGame(h);
  h.answerModal([&](ui::Form& m) { h.closeWindow(&m); });
  h.click(menu->qexit);
  EXPECT_FALSE(ques->Visible);
  EXPECT_FALSE(h.app().Terminated());
  EXPECT_TRUE(menu->ttime->Enabled);
  h.advance(1500);
  EXPECT_EQ(menu->day->Caption(), "3");
}

TEST(QuitDialog, NoFromTheMainMenuDuringAGameKeepsTimeStopped) {
  GameHarness h;
  road::StartGame(h);
  h.click(menu->main);
  h.answerModal([&](ui::Form&) { h.click(ques->nol); });
  h.click(Form1->close);
  EXPECT_FALSE(menu->ttime->Enabled);
  EXPECT_TRUE(engine->OnPlay);
  h.advance(5000);
  EXPECT_EQ(menu->day->Caption(), "2");
}

TEST(QuitDialog, NoBeforeAnyGameOnlyCloses) {
  GameHarness h;
  h.answerModal([&](ui::Form&) { h.click(ques->no); });
  h.click(Form1->close);
  EXPECT_FALSE(ques->Visible);
  EXPECT_TRUE(Form1->Visible);
  EXPECT_FALSE(menu->ttime->Enabled);
  EXPECT_FALSE(engine->OnPlay);
  EXPECT_TRUE(h.launches().empty());
}

TEST(InformationWindow, LinksStartTheUtilitiesWithTheClickSound) {
  GameHarness h;
  h.click(Form1->help);
  EXPECT_TRUE(infor->Visible);
  EXPECT_FALSE(Form1->Visible);
  EXPECT_EQ(GameHarness::skinOf(infor->logo), "infor_logo.jpg");
  h.clearSounds();
  for (ui::Label* link : {infor->bug, infor->info, infor->edit, infor->up}) h.click(link);
  ASSERT_EQ(h.launches().size(), 4u);
  EXPECT_EQ(h.launches()[0].first, h.gameDir() + "//bin/ZenxBugInformer");
  EXPECT_EQ(h.launches()[1].first, h.gameDir() + "//ZenxInfo");
  EXPECT_TRUE(h.launches()[1].second.empty());
  EXPECT_EQ(h.launches()[2].first, h.gameDir() + "//bin/ZenxBuilder");
  EXPECT_EQ(h.launches()[3].first, h.gameDir() + "//bin/ZenxUpdater");
  EXPECT_EQ(h.sounds(), std::vector<std::string>(4, "click.wav"));
  EXPECT_EQ(infor->close->Left, 312);  // two pixels left of the usual place
  h.click(infor->close);
  EXPECT_FALSE(infor->Visible);
  EXPECT_TRUE(Form1->Visible);
  EXPECT_EQ(h.sounds().back(), "close.wav");
}

// Alone on the desktop, the information window goes where its close label
// leads when the window manager closes it (Alt+F4): back to the main menu,
// with the close sound.
TEST(InformationWindow, TheWindowManagersCloseLeadsWhereItsCloseLabelDoes) {
  GameHarness h;
  h.click(Form1->help);
  ASSERT_TRUE(infor->Visible);
  ASSERT_FALSE(Form1->Visible);
  h.clearSounds();
  h.closeWindow(infor);
  EXPECT_FALSE(infor->Visible);
  EXPECT_TRUE(Form1->Visible);
  EXPECT_EQ(h.sounds(), std::vector<std::string>{"close.wav"});
  EXPECT_FALSE(h.app().Terminated());
}

TEST(InformationWindow, LinkColoursFollowTheTable) {
  GameHarness h;
  h.click(Form1->help);
  const ui::Color blue{0, 0, 255}, red{255, 0, 0}, white = ui::clWhite;
  h.moveTo(infor->up);
  EXPECT_EQ(infor->up->Font.Color(), blue);
  h.moveTo(infor->edit);  // straight from up onto edit
  EXPECT_EQ(infor->edit->Font.Color(), blue);
  EXPECT_EQ(infor->up->Font.Color(), white);
  h.moveTo(infor->up);
  h.moveTo(infor->bug);  // up is not in bug's row: it stays blue
  EXPECT_EQ(infor->bug->Font.Color(), blue);
  EXPECT_EQ(infor->up->Font.Color(), blue);
  h.press(infor->info);
  EXPECT_EQ(infor->info->Font.Color(), red);
  EXPECT_EQ(infor->bug->Font.Color(), white);
  EXPECT_EQ(infor->up->Font.Color(), blue);
  h.release(infor->info);
  EXPECT_EQ(infor->info->Font.Color(), white);
  h.press(infor->up);
  EXPECT_EQ(infor->up->Font.Color(), red);
  h.release(infor->up);
  EXPECT_EQ(infor->up->Font.Color(), white);
  h.moveTo(infor->edit);
  h.moveTo(infor, 5, 200);  // the window
  for (ui::Label* link : {infor->bug, infor->info, infor->edit, infor->up}) EXPECT_EQ(link->Font.Color(), white);
}
