// Making a game: the language gates, the road from the development menu to
// the project sheet, the timed run with its points, length and price, the
// design document, pause and resume, and the bad input on the way.
#include <gtest/gtest.h>

#include <string>

#include "career/Skill.h"
#include "development/DevHelpers.h"
#include "development/DevRules.h"
#include "development/Devgame.h"
#include "development/Devm.h"
#include "development/Devskills.h"
#include "development/Ent.h"
#include "development/Gamesel.h"
#include "development/Lang.h"
#include "development/Progress.h"
#include "development/Prsel.h"
#include "development/Sgg.h"

using dev_test::Developer;
using dev_test::EnterGame;
using dev_test::QuietClock;
using testing_support::GameHarness;

namespace {

void GiveCompilers() {
  engine->CppCompiler = engine->Kcpp1;
  engine->PascalCompiler = engine->Kpas1;
}

// From the game screen's development button to the project sheet.
void OpenSheet(GameHarness& h, ui::Control* language, ui::Control* kind, const std::string& name) {
  h.click(menu->dev);
  ASSERT_TRUE(devmenu->Visible);
  h.click(devmenu->newp);
  ASSERT_TRUE(langset->Visible);
  h.click(language);
  ASSERT_TRUE(prset->Visible);
  h.click(prset->game);
  ASSERT_TRUE(gameset->Visible);
  h.click(kind);
  ASSERT_TRUE(sggenre->Visible);
  h.click(sggenre->puzzle);
  ASSERT_TRUE(enter->Visible);
  h.type(name);
  h.click(enter->ok);
  ASSERT_TRUE(gameDev->Visible);
}

}  // namespace

TEST(LanguageChoice, EachLanguageNeedsItsCompilerAndAStepTakenInThisGame) {
  GameHarness h(Developer());
  EnterGame();
  menu->Hide();
  langset->Show();

  // No compiler: refused, whatever the skill.
  skills->CellsAdded = {5, 5, 0, 0};
  h.answerEnter(2);
  h.click(langset->cpp);
  h.click(langset->pas);
  EXPECT_EQ(h.messagesShown().at(0), "У Вас не установлен компилятор С++!");
  EXPECT_EQ(h.messagesShown().at(1), "У Вас не установлен компилятор Pascal!");
  EXPECT_TRUE(langset->Visible);

  // A compiler, but no step of the language since the start (or a count that
  // went below zero): refused, compared signed.
  GiveCompilers();
  skills->CellsAdded = {0, -1, 0, 0};
  h.answerEnter(2);
  h.click(langset->cpp);
  h.click(langset->pas);
  EXPECT_EQ(h.messagesShown().at(2),
            "Вы ещё не умеете программировать на С++! Нужна хотя бы одна заполненная ячейка навыка.");
  EXPECT_EQ(h.messagesShown().at(3),
            "Вы ещё не умеете программировать на Pascal! Нужна хотя бы одна заполненная ячейка навыка.");
  EXPECT_TRUE(langset->Visible);
  EXPECT_TRUE(menu->DevLanguage.empty());

  // The configured level does not count, only steps taken: one is enough.
  skills->CellsAdded = {0, 1, 0, 0};
  engine->Cpplev = 5;
  h.answerEnter();
  h.click(langset->cpp);
  EXPECT_TRUE(langset->Visible);
  h.click(langset->pas);
  EXPECT_TRUE(prset->Visible);
  EXPECT_FALSE(langset->Visible);
  EXPECT_EQ(menu->DevLanguage, "Pascal");
}

TEST(GameProject, TheChoosersLeadToTheSheetWhichShowsTheRunAndThePrice) {
  GameHarness h(Developer({{"Cpplev", "2"}, {"Cppbar", "4"}}));
  GiveCompilers();
  skills->CellsAdded[0] = 1;
  EnterGame();
  OpenSheet(h, langset->cpp, gameset->g3d, "  Змейка  ");
  EXPECT_EQ(menu->DevName, "Змейка");  // the blanks round it go
  EXPECT_EQ(menu->DevLanguage, "С++");
  EXPECT_EQ(menu->ProjectKind, "Игра");
  EXPECT_EQ(menu->devl->Caption(), "Разработка игры");
  EXPECT_EQ(gameDev->name->Caption(), "Змейка");
  EXPECT_EQ(gameDev->graphics->Caption(), "3D");
  EXPECT_EQ(gameDev->genre->Caption(), "Головоломка");
  // 40 - 3·2 - 4 = 30 days, half as long again for 3D; 1500 roubles, and again half.
  EXPECT_EQ(gameDev->days->Caption(), "45 дн.");
  EXPECT_EQ(gameDev->price->Caption(), "2250 руб.");

  // Closed, the sheet waits behind the development button.
  h.click(gameDev->close);
  EXPECT_TRUE(menu->Visible);
  h.click(menu->dev);
  EXPECT_TRUE(gameDev->Visible);
  EXPECT_EQ(gameDev->name->Caption(), "Змейка");
}

TEST(GameProject, ANameMustBeGivenAndIsKeptShort) {
  GameHarness h(Developer());
  EnterGame();
  menu->Hide();
  enter->Show();
  h.answerEnter(2);
  h.click(enter->ok);
  h.type("   ");
  h.key(ui::VK_RETURN);
  EXPECT_EQ(h.messagesShown().size(), 2u);
  EXPECT_EQ(h.messagesShown().back(), "Введите название игры!");
  EXPECT_TRUE(enter->Visible);
  EXPECT_TRUE(menu->DevName.empty());
  EXPECT_EQ(menu->devl->Caption(), "Разработка");

  enter->name->Text = "";
  h.type(std::string(50, 'x'));
  h.click(enter->ok);
  EXPECT_EQ(menu->DevName, std::string(Tenter::kMaxName, 'x'));
  EXPECT_TRUE(gameDev->Visible);
}

TEST(GameProject, EveryChooserClosesBackToTheDevelopmentMenu) {
  GameHarness h(Developer());
  EnterGame();
  menu->Hide();
  for (ui::Form* f : std::initializer_list<ui::Form*>{langset, prset, gameset, sggenre, enter}) {
    f->Show();
    h.click(GameHarness::find(f, "close"));
    EXPECT_FALSE(f->Visible) << f->Name();
    EXPECT_TRUE(devmenu->Visible) << f->Name();
    devmenu->Hide();
  }
  devmenu->Show();
  h.click(devmenu->close);
  EXPECT_TRUE(menu->Visible);
}

TEST(DevelopmentRun, AWholeRunGivesItsPointsAndFinishesTheGameForSale) {
  GameHarness h(Developer());
  GiveCompilers();
  skills->CellsAdded[0] = 1;
  EnterGame();
  OpenSheet(h, langset->cpp, gameset->g2d, "Тетрис");
  EXPECT_EQ(gameDev->days->Caption(), "40 дн.");  // level 0, empty bar, no job
  h.click(gameDev->dev);
  EXPECT_TRUE(menu->Visible);
  EXPECT_TRUE(menu->DevActive);
  EXPECT_TRUE(menu->sgDevTimer->Enabled);
  EXPECT_EQ(menu->devl->Caption(), "Разработка игры...");
  EXPECT_EQ(menu->DevPrice, 1000);
  // The run's steps last the 40 days of the game clock.
  EXPECT_EQ(menu->sgDevTimer->Interval * menu->DevSteps, 40 * devrules::kDayMs);
  QuietClock();

  const int cellsBefore = skills->CellsAdded[0];
  h.advance(40 * devrules::kDayMs - 1);
  EXPECT_TRUE(menu->DevActive);
  EXPECT_EQ(menu->DevStep, menu->DevSteps - 1);
  // Clicks during the run: the development button shows the progress.
  h.click(menu->dev);
  ASSERT_TRUE(devProgress->Visible);
  EXPECT_EQ(devProgress->percent->Caption(), "98%");
  EXPECT_EQ(devProgress->left->Caption(), "Осталось 1 дн. игрового времени");
  EXPECT_EQ(devProgress->name->Caption(), "\"Тетрис\"");
  h.click(devProgress->close);
  ASSERT_TRUE(menu->Visible);
  QuietClock();

  h.answerEnter();
  h.advance(menu->sgDevTimer->Interval);
  EXPECT_EQ(h.messagesShown().back(), "Игра \"Тетрис\" готова! Продать её можно на выставке игр в Интернете.");
  EXPECT_FALSE(menu->DevActive);
  EXPECT_FALSE(menu->sgDevTimer->Enabled);
  EXPECT_EQ(menu->devl->Caption(), "Разработка");
  EXPECT_EQ(engine->GamesMade->Items.Items(), std::vector<std::string>{"Тетрис"});
  EXPECT_EQ(engine->GamesForSale->Items.Items(), std::vector<std::string>{"Тетрис"});
  EXPECT_EQ(engine->GamePrices->Items.Items(), std::vector<std::string>{"1000"});
  // 50 points of C++ at 7 a step: 7 steps, 1 point left over; no Pascal.
  EXPECT_EQ(skills->CellsAdded[0] - cellsBefore, 7);
  EXPECT_EQ(engine->Oncpp, 1);
  EXPECT_EQ(skills->CellsAdded[1], 0);

  // The finished game is listed in the development menu, which starts anew.
  h.click(menu->dev);
  ASSERT_TRUE(devmenu->Visible);
  EXPECT_EQ(devmenu->made->Items.Items(), std::vector<std::string>{"Тетрис"});
}

TEST(DevelopmentRun, AJobMakesTheRunTwiceAsLongAndSkillShortensIt) {
  GameHarness h(Developer({{"Work", "1"}, {"Paslev", "3"}, {"Pasbar", "5"}}));
  GiveCompilers();
  skills->CellsAdded[1] = 1;
  EnterGame();
  OpenSheet(h, langset->pas, gameset->g2d, "Сапёр");
  // (40 - 9 - 5) = 26 days, doubled by the job.
  EXPECT_EQ(gameDev->days->Caption(), "52 дн.");
  h.click(gameDev->dev);
  QuietClock();
  const int cellsBefore = skills->CellsAdded[1];
  h.advance(51 * devrules::kDayMs);
  EXPECT_TRUE(menu->DevActive);
  h.answerEnter();
  h.advance(devrules::kDayMs);
  EXPECT_FALSE(menu->DevActive);
  EXPECT_EQ(skills->CellsAdded[1] - cellsBefore, 7);  // the points went to Pascal
  EXPECT_EQ(skills->CellsAdded[0], 0);
  // The shortest run is 10 days, whatever the skill.
  EXPECT_EQ(devrules::RunDays(12, 10, false, false), 10);
  EXPECT_EQ(devrules::RunDays(-3, 99, false, false), 30);
}

TEST(DevelopmentRun, BothTimersStopWithTheGameAndGoOnWhereTheyWere) {
  GameHarness h(Developer());
  EnterGame();
  menu->DevActive = true;
  menu->DevSteps = 50;
  menu->DevStep = 10;
  menu->DevLanguage = "С++";
  menu->DdocActive = true;
  menu->DdocLength = 10;
  menu->DdocDay = 3;
  menu->Hide();
  menu->Show();  // the resume starts them by their flags
  EXPECT_TRUE(menu->sgDevTimer->Enabled);
  EXPECT_TRUE(menu->ddoc_timer->Enabled);
  menu->Hide();  // the pause stops them
  EXPECT_FALSE(menu->sgDevTimer->Enabled);
  EXPECT_FALSE(menu->ddoc_timer->Enabled);
  h.advance(10000);
  EXPECT_EQ(menu->DevStep, 10);
  EXPECT_EQ(menu->DdocDay, 3);
  menu->DevActive = false;
  menu->Show();
  EXPECT_FALSE(menu->sgDevTimer->Enabled);
  EXPECT_TRUE(menu->ddoc_timer->Enabled);
  QuietClock();
  h.advance(devrules::kDayMs);
  EXPECT_EQ(menu->DdocDay, 4);
  EXPECT_EQ(menu->DevStep, 10);
}

TEST(DesignDocument, TheButtonRestsForItsDaysThenTheDocumentBringsExperience) {
  GameHarness h(Developer());
  EnterGame();
  menu->Hide();
  prset->Show();
  h.answerEnter();
  h.click(prset->ddoc);
  EXPECT_EQ(h.messagesShown().back(), "Вы начали писать дизайн-документ. Он будет готов через 10 дней.");
  ASSERT_TRUE(menu->Visible);
  EXPECT_TRUE(menu->DdocActive);
  EXPECT_EQ(menu->ProjectKind, "Дизайн-документ");
  // Showing the game screen again does not wake the button while the document is written.
  EXPECT_FALSE(menu->dev->Enabled);
  EXPECT_FALSE(menu->devl->Enabled);
  QuietClock();
  const int xp = dev_test::Xp();
  h.advance(9 * devrules::kDayMs);
  EXPECT_EQ(menu->DdocDay, 9);
  EXPECT_TRUE(menu->DdocActive);
  h.answerEnter();
  h.advance(devrules::kDayMs);
  EXPECT_EQ(h.messagesShown().back(), "Дизайн-документ готов! Вы получили 50 очков опыта.");
  EXPECT_FALSE(menu->DdocActive);
  EXPECT_FALSE(menu->ddoc_timer->Enabled);
  EXPECT_TRUE(menu->ProjectKind.empty());
  EXPECT_TRUE(menu->dev->Enabled);
  EXPECT_TRUE(menu->devl->Enabled);
  EXPECT_EQ(dev_test::Xp(), xp + 50);
}
