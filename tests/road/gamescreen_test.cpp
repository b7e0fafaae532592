// The game screen: where each button leads and that leaving pauses, the keys,
// the icon's menu, the close request, and pause/resume around a game message.
#include <gtest/gtest.h>

#include "career/Find_work.h"
#include "career/Now_work.h"
#include "career/Study_level.h"
#include "city/Afisha.h"
#include "city/Devkomp.h"
#include "city/Lines.h"
#include "city/Person.h"
#include "city/Travel.h"
#include "development/Devgame.h"
#include "development/Devm.h"
#include "development/Progress.h"
#include "hardware/Computer.h"
#include "road/RoadHelpers.h"
#include "ui/HintWindow.h"

using testing_support::GameHarness;

namespace {

bool AnyGameTimerRunning() {
  for (ui::Timer* t : {menu->tfun, menu->thp, menu->ttime, menu->devt1, menu->soft1, menu->umTimer, menu->twork}) {
    if (t->Enabled) return true;
  }
  return false;
}

}  // namespace

TEST(GameScreen, ShowsTheStartStateWithTheDevelopmentButtonOffWithoutAComputer) {
  GameHarness h({.config = {{"Fun", "70"}, {"MaxFun", "30"}}});
  road::StartGame(h);
  EXPECT_EQ(menu->Width(), 756);
  EXPECT_EQ(menu->Height(), 566);
  EXPECT_EQ(GameHarness::skinOf(menu->wnd), "zenx.jpg");
  EXPECT_EQ(menu->day->Caption(), "2");
  EXPECT_EQ(menu->dow->Caption(), "Среда");
  EXPECT_EQ(menu->month->Caption(), "Сентябрь");
  EXPECT_EQ(menu->year->Caption(), "2006");
  EXPECT_EQ(menu->home->Caption(), "Общежитие");
  // The engine's larger mood is written, then clipped to the dormitory's cap.
  EXPECT_EQ(menu->funny->Caption(), "30");
  EXPECT_EQ(engine->Fun, 70);
  EXPECT_EQ(GameHarness::skinOf(menu->smile), "good.bmp");
  EXPECT_FALSE(menu->dev->Enabled);
  EXPECT_FALSE(menu->devl->Enabled);
  EXPECT_TRUE(engine->OnGame);
  EXPECT_TRUE(engine->OnPlay);
  for (ui::Image* b :
       {menu->trav, menu->computer, menu->player, menu->work, menu->teach, menu->dev, menu->bill, menu->main}) {
    EXPECT_EQ(GameHarness::skinOf(b), "main_1.jpg");
    EXPECT_EQ(b->Width(), 150);
    EXPECT_GE(b->Left(), 578);  // on the backdrop's right panel
    EXPECT_LE(b->Left() + b->Width(), 750);
  }
  EXPECT_TRUE(h.exceptions().empty());
}

TEST(GameScreen, EveryButtonLeadsToItsScreenAndLeavingPausesTime) {
  GameHarness h({.config = {{"Computer", "1"}}});
  road::StartGame(h);
  struct Row {
    ui::Control* button;
    ui::Form* target;
  };
  const Row rows[] = {{menu->trav, travel},     {menu->computerl, comp}, {menu->player, person}, {menu->workl, fwork},
                      {menu->teach, teach_lev}, {menu->devl, devmenu},   {menu->bill, afisha},   {menu->mainl, Form1}};
  for (const Row& row : rows) {
    h.clearSounds();
    h.click(row.button);
    EXPECT_TRUE(row.target->Visible) << row.button->Name();
    EXPECT_FALSE(menu->Visible) << row.button->Name();
    EXPECT_FALSE(AnyGameTimerRunning()) << row.button->Name();
    EXPECT_FALSE(engine->OnGame);
    EXPECT_EQ(h.sounds().front(), "click.wav");
    row.target->Hide();
    engine->Computer = true;  // whatever the computer screen found
    menu->Show();
    EXPECT_TRUE(menu->ttime->Enabled);
  }
  EXPECT_TRUE(engine->OnPlay);
}

TEST(GameScreen, WorkAndDevelopmentFollowTheirCaptions) {
  GameHarness h({.config = {{"Computer", "1"}, {"Zp", "1500"}, {"Office", "Тестер"}, {"Mark", "Работающий"}}});
  road::StartGame(h);
  menu->workl->Caption = "На работе...";
  h.click(menu->work);
  EXPECT_TRUE(nwork->Visible);
  EXPECT_EQ(nwork->mark->Caption(), "Работающий");
  EXPECT_EQ(nwork->office->Caption(), "Тестер");
  EXPECT_EQ(nwork->zp->Caption(), "1500");
  nwork->Hide();
  menu->Show();
  menu->workl->Caption = "Уволен";
  h.click(menu->work);
  EXPECT_TRUE(menu->Visible);  // any other caption: only the click

  const std::pair<const char*, ui::Form*> dev[] = {
      {"Разработка игры", gameDev}, {"Разработка игры...", devProgress}, {"Разработка", devmenu}};
  for (const auto& [caption, target] : dev) {
    menu->Hide();
    engine->Computer = true;  // the development button is there with a computer
    menu->Show();
    menu->devl->Caption = caption;
    h.click(menu->dev);
    EXPECT_TRUE(target->Visible) << caption;
    EXPECT_FALSE(menu->Visible);
    target->Hide();
    menu->Show();
  }
  menu->devl->Caption = "что-то";
  h.click(menu->dev);
  EXPECT_TRUE(menu->Visible);
}

TEST(GameScreen, CloseLabelIsTheMainMenuButtonWithTheCloseSound) {
  GameHarness h;
  road::StartGame(h);
  h.clearSounds();
  h.click(menu->close);
  EXPECT_TRUE(Form1->Visible);
  EXPECT_FALSE(menu->Visible);
  EXPECT_FALSE(engine->OnGame);
  EXPECT_TRUE(engine->OnPlay);
  EXPECT_EQ(h.sounds().front(), "close.wav");
  EXPECT_FALSE(Form1->save->Enabled);  // the game is no longer on screen
}

TEST(GameScreen, MinimiseAndTheQuickButtons) {
  GameHarness h;
  road::StartGame(h);
  h.clearSounds();
  h.moveTo(menu->min);
  h.advance(600);
  ASSERT_TRUE(h.app().Hint()->Visible);
  EXPECT_EQ(h.app().Hint()->Text(), "Свернуть игру");
  h.click(menu->min);
  EXPECT_TRUE(h.backend().Windows().at(menu->Window()).minimized);
  EXPECT_EQ(h.sounds(), std::vector<std::string>{"close.wav"});
  h.advance(3000);
  EXPECT_FALSE(h.app().Hint()->Visible) << "the hint stayed on the desktop";
  h.clearSounds();
  h.click(menu->qsettins);
  h.click(menu->qload);
  EXPECT_EQ(h.sounds(), std::vector<std::string>(2, "click.wav"));
  EXPECT_TRUE(menu->Visible);
  EXPECT_TRUE(menu->ttime->Enabled);
  // Over and press change only the button concerned; up resets them all.
  h.moveTo(menu->trav);
  EXPECT_EQ(GameHarness::skinOf(menu->trav), "main_2.jpg");
  h.moveTo(menu->qload);
  EXPECT_EQ(GameHarness::skinOf(menu->qload), "ql_2.bmp");
  EXPECT_EQ(GameHarness::skinOf(menu->trav), "main_2.jpg");
  h.press(menu->qload);
  EXPECT_EQ(GameHarness::skinOf(menu->qload), "ql_3.bmp");
  EXPECT_EQ(GameHarness::skinOf(menu->trav), "main_2.jpg");
  h.release(menu->qload);
  EXPECT_EQ(GameHarness::skinOf(menu->trav), "main_1.jpg");
  EXPECT_EQ(GameHarness::skinOf(menu->qload), "ql_1.bmp");
}

TEST(GameScreen, IconMenuOpensAtTheCornerOnLeftClickAndAtTheMouseOnRightClick) {
  GameHarness h;
  road::StartGame(h);
  ui::Point at{};
  h.answerModal([&](ui::Form& popup) {
    at = {popup.Left(), popup.Top()};
    menu->pm->Dismiss();
  });
  h.click(menu->ico);
  EXPECT_EQ(at, (ui::Point{1, 1}));
  h.answerModal([&](ui::Form& popup) {
    at = {popup.Left(), popup.Top()};
    menu->pm->Choose(menu->N7);
  });
  h.rightClick(menu->ico);
  EXPECT_EQ(at, h.backend().GlobalMouse());
  // "Мини-игра": the mini-game, reset and idle, while the game is paused.
  EXPECT_TRUE(lines->Visible);
  EXPECT_FALSE(menu->Visible);
  EXPECT_EQ(lines->line->Position(), 100);
  EXPECT_EQ(lines->t->Caption(), "30");
  EXPECT_FALSE(lines->time->Enabled);
  EXPECT_FALSE(lines->ttime->Enabled);
  EXPECT_FALSE(AnyGameTimerRunning());
}

TEST(GameScreen, AltKShowsTheDeveloperComputerWithTimeStoppedUntilItCloses) {
  GameHarness h;
  road::StartGame(h);
  bool stopped = false;
  h.answerModal([&](ui::Form& m) {
    EXPECT_EQ(&m, static_cast<ui::Form*>(devkomp));
    stopped = !AnyGameTimerRunning();
    EXPECT_TRUE(menu->Visible);
    h.clearSounds();
    h.click(devkomp->close);
  });
  h.key('K', ui::ssAlt);
  EXPECT_TRUE(stopped);
  EXPECT_FALSE(devkomp->Visible);
  EXPECT_TRUE(menu->ttime->Enabled);
  EXPECT_EQ(h.sounds(), std::vector<std::string>{"close.wav"});
  h.key('K');  // without Alt: nothing
  EXPECT_EQ(h.pendingAnswers(), 0u);
}

// The kit: hard disk 2400, motherboard 1780, monitor 4000, processor 2100,
// memory 680, video card 3400 - with 5000 roubles each part is bought or
// refused by itself, in this order.
TEST(GameScreen, AltSBuysTheSixPartsEachOnItsOwn) {
  GameHarness h;
  road::StartGame(h);
  menu->money->Caption = "5000";
  h.answerEnter(6);
  h.key('S', ui::ssAlt);
  const auto log = h.logLines();
  EXPECT_EQ(std::count(log.begin(), log.end(), "Вызвана функция покупки устройства..."), 6);
  EXPECT_EQ(menu->money->Caption(), std::to_string(5000 - 2400 - 1780 - 680));
  const auto& m = h.messagesShown();
  ASSERT_EQ(m.size(), 6u);
  const std::string refused = "Ваших денег недостаточно!";
  EXPECT_NE(m[0].find(engine->Hdd2), std::string::npos) << m[0];
  EXPECT_NE(m[1].find(engine->Mb1i), std::string::npos) << m[1];
  EXPECT_EQ(m[2], refused);  // the monitor
  EXPECT_EQ(m[3], refused);  // the processor
  EXPECT_NE(m[4].find(engine->Ram1), std::string::npos) << m[4];
  EXPECT_EQ(m[5], refused);  // the video card
}

TEST(GameScreen, CloseRequestAsksAndYesEndsTheProgram) {
  GameHarness h;
  road::StartGame(h);
  ui::Event request;
  request.type = ui::Event::Type::CloseRequest;
  request.window = menu->Window();
  h.answerModal([&](ui::Form& box) {
    EXPECT_EQ(box.Caption(), "Завершение");
    h.key(ui::VK_ESCAPE);  // No
  });
  h.backend().Post(request);
  h.pump();
  EXPECT_EQ(h.messagesShown().back(), "Вы действительно хотите выйти? \n Весь прогресс будет потерян.");
  EXPECT_TRUE(menu->Visible);
  EXPECT_FALSE(h.app().Terminated());
  h.answerEnter();  // Yes
  h.backend().Post(request);
  h.pump();
  EXPECT_TRUE(h.app().Terminated());
}

TEST(GamePause, AGameMessageOnTheGameScreenPausesAndResumes) {
  GameHarness h;
  road::StartGame(h);
  bool stopped = false;
  h.answerModal([&](ui::Form&) {
    stopped = !AnyGameTimerRunning();
    h.advance(10000);  // time spent reading the message is not game time
    h.key(ui::VK_SPACE);
  });
  engine->ShowGameMessage("Проверка");
  EXPECT_TRUE(stopped);
  EXPECT_EQ(menu->day->Caption(), "2");
  EXPECT_TRUE(menu->ttime->Enabled);
  h.advance(1500);
  EXPECT_EQ(menu->day->Caption(), "3");
}

TEST(GamePause, AGameMessageElsewhereLeavesTimeStopped) {
  GameHarness h;
  road::StartGame(h);
  h.click(menu->trav);
  h.answerEnter();
  engine->ShowGameMessage("Проверка");
  EXPECT_FALSE(AnyGameTimerRunning());
  h.advance(5000);
  EXPECT_EQ(menu->day->Caption(), "2");
  // An information message never touches the timers.
  travel->Hide();
  menu->Show();
  h.answerEnter();
  engine->ShowInfoMessage("Справка");
  EXPECT_TRUE(menu->ttime->Enabled);
}

TEST(GamePause, PausingCopiesTheMoneyLabelAndTwiceIsHarmless) {
  GameHarness h;
  road::StartGame(h);
  menu->money->Caption = "1234";
  h.click(menu->bill);
  EXPECT_EQ(engine->Money, 1234);
  menu->StopGameTimers();
  EXPECT_FALSE(AnyGameTimerRunning());
  menu->money->Caption = "не число";
  menu->StopGameTimers();  // the failed copy is logged, the pause goes on
  EXPECT_EQ(h.logLines().back(), "Игра вырублена через: ПКМ->Закрыть");
  EXPECT_FALSE(AnyGameTimerRunning());
}
