// The university: the level chooser's gates, enrolment with its compiler and
// money tests, a course from its first tick to its end message with the
// progress marks, the course paused with the game screen, and the
// year-of-study feeders by the calendar.
#include <gtest/gtest.h>

#include "career/CareerHelpers.h"
#include "career/Slev1.h"
#include "career/Slev2.h"
#include "career/Study_level.h"

using testing_support::GameHarness;
using namespace career;

namespace {

bool SamePixels(const ui::Picture& a, const ui::Picture& b) {
  const ui::Bitmap& x = a.Graphic();
  const ui::Bitmap& y = b.Graphic();
  if (x.Width() != y.Width() || x.Height() != y.Height() || x.Width() == 0) return false;
  for (int j = 0; j < x.Height(); ++j)
    for (int i = 0; i < x.Width(); ++i)
      if (x.Pixel(i, j) != y.Pixel(i, j)) return false;
  return true;
}

// The three marks as the chooser draws them: 'y' done, 'n' empty.
std::string Marks() {
  std::string s;
  for (const ui::Image* p : {teach_lev->p1, teach_lev->p2, teach_lev->p3}) {
    s += SamePixels(p->Picture, teach_lev->y->Picture)   ? 'y'
         : SamePixels(p->Picture, teach_lev->n->Picture) ? 'n'
                                                         : '?';
  }
  return s;
}

// Opens the chooser from the game screen, reads what it shows, goes back.
struct Chooser {
  bool level1, level2, hint;
  std::string marks;
};
Chooser LookAtChooser(GameHarness& h) {
  h.click(menu->teach);
  EXPECT_TRUE(teach_lev->Visible);
  const Chooser seen{teach_lev->lev1->Enabled && teach_lev->lev1l->Enabled,
                     teach_lev->lev2->Enabled && teach_lev->lev2l->Enabled, teach_lev->Label1->Visible, Marks()};
  h.click(teach_lev->close);
  return seen;
}

std::vector<bool> ProfilesEnabled(const Tprofiles* s) {
  return {s->cpp->Enabled && s->cppl->Enabled, s->pas->Enabled && s->pasl->Enabled,
          s->php->Enabled && s->phpl->Enabled};
}

enum { kCpp, kPascal, kPhp };

// From the game screen through the chooser to a profile of the level, and a
// click on its button (or its label), whatever comes of it.
void Enrol(GameHarness& h, int level, int profile, bool onLabel = false) {
  h.click(menu->teach);
  h.click(level == 1 ? static_cast<ui::Control*>(teach_lev->lev1l) : teach_lev->lev2);
  Tprofiles* screen = level == 1 ? static_cast<Tprofiles*>(study1) : static_cast<Tprofiles*>(study2);
  ASSERT_TRUE(screen->Visible);
  ui::Control* const buttons[3] = {screen->cpp, screen->pas, screen->php};
  ui::Control* const labels[3] = {screen->cppl, screen->pasl, screen->phpl};
  h.answerEnter();
  h.click(onLabel ? labels[profile] : buttons[profile]);
}

}  // namespace

TEST(University, TheLevelsOpenAtOneAndTwentyFiveEducationSteps) {
  GameHarness h;
  OnTheGameScreen();
  Chooser c = LookAtChooser(h);
  EXPECT_FALSE(c.level1);
  EXPECT_FALSE(c.level2);
  EXPECT_TRUE(c.hint);
  EXPECT_EQ(c.marks, "nnn");

  // A click on a locked level does nothing.
  h.click(menu->teach);
  h.clearSounds();
  h.click(teach_lev->lev1);
  EXPECT_TRUE(teach_lev->Visible);
  EXPECT_TRUE(h.sounds().empty());
  h.click(teach_lev->close);

  SetEducationSteps(1);
  c = LookAtChooser(h);
  EXPECT_TRUE(c.level1);
  EXPECT_FALSE(c.level2);
  EXPECT_TRUE(c.hint);

  SetEducationSteps(24);
  EXPECT_FALSE(LookAtChooser(h).level2);
  SetEducationSteps(25);
  c = LookAtChooser(h);
  EXPECT_TRUE(c.level1);
  EXPECT_TRUE(c.level2);
  EXPECT_FALSE(c.hint);

  // A profile screen's close leads to the game screen, not back to the chooser.
  h.click(menu->teach);
  h.click(teach_lev->lev2l);
  EXPECT_TRUE(study2->Visible);
  EXPECT_FALSE(teach_lev->Visible);
  h.click(study2->close);
  EXPECT_TRUE(menu->Visible);
  EXPECT_FALSE(teach_lev->Visible);
}

TEST(University, EnrolmentNeedsTheCompilerAndMoreThanTheFee) {
  GameHarness h(With({{"Money", "1300"}}));
  OnTheGameScreen();
  SetEducationSteps(1);
  Enrol(h, 1, kPascal, true);
  EXPECT_EQ(LastMessage(h), "Чтобы устроиться на обучение Вам необходимо иметь компилятор Pascal!");
  EXPECT_EQ(menu->money->Caption(), "1300");

  engine->PascalCompiler = "Turbo Pascal 7.0";
  h.answerEnter();
  h.click(study1->pas);  // exactly the fee is not enough
  EXPECT_EQ(LastMessage(h), "Ваших денег недостаточно!");
  EXPECT_EQ(menu->money->Caption(), "1300");
  EXPECT_FALSE(engine->Studing);
  EXPECT_FALSE(menu->Level1CourseOn[1]);
  EXPECT_EQ(ProfilesEnabled(study1), (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(study1->ProfileAvailable[1]);

  menu->money->Caption = "1301";
  h.answerEnter();
  h.click(study1->pasl);
  EXPECT_EQ(LastMessage(h), "Поздравляем! Вы устроились на обучение в профиль 'Математика и Pascal'!");
  EXPECT_EQ(menu->money->Caption(), "1");
  EXPECT_TRUE(engine->Studing);
  EXPECT_TRUE(menu->Level1CourseOn[1]);
  EXPECT_FALSE(study1->ProfileAvailable[1]);
  EXPECT_TRUE(study1->Visible);  // the profile screen stays open
  EXPECT_EQ(ProfilesEnabled(study1), (std::vector<bool>{false, false, false}));
  EXPECT_FALSE(menu->pas1level->Enabled);  // it starts with the game screen
  h.click(study1->close);
  EXPECT_TRUE(menu->pas1level->Enabled);
  EXPECT_FALSE(menu->cpp1level->Enabled);

  // During the course both levels are locked.
  SetEducationSteps(30);
  const Chooser c = LookAtChooser(h);
  EXPECT_FALSE(c.level1);
  EXPECT_FALSE(c.level2);
}

TEST(University, AFirstLevelCourseGivesOneLevelAndEndsWithItsMessage) {
  GameHarness h(With({{"Money", "5000"}, {"Cpplev", "2"}, {"Cppbar", "0"}, {"Max", "7"}, {"Onum", "0"}}));
  OnTheGameScreen();
  engine->CppCompiler = "Borland C++ Builder 6";
  SetEducationSteps(1);
  Enrol(h, 1, kCpp);
  EXPECT_EQ(LastMessage(h), "Поздравляем! Вы устроились на обучение в профиль 'Математика и С++'!");
  h.click(study1->close);
  const int educationSteps = skills->CellsAdded[3];

  const std::map<int, std::string> marksAfter = {{1, "ynn"}, {3, "ynn"}, {4, "yyn"},
                                                 {8, "yyn"}, {9, "yyy"}, {11, "yyy"}};
  for (int tick = 1; tick <= 11; ++tick) {
    menu->cpp1levelTimer();
    EXPECT_EQ(teach_lev->CourseProgress, tick);
    if (marksAfter.count(tick)) {
      EXPECT_EQ(LookAtChooser(h).marks, marksAfter.at(tick)) << "tick " << tick;
    }
  }
  EXPECT_EQ(skills->CellsAdded[0], 11);
  EXPECT_EQ(skills->cpp->Caption(), "3");
  EXPECT_EQ(static_cast<int>(engine->Onum) + 7 * (skills->CellsAdded[3] - educationSteps), 33);
  EXPECT_TRUE(engine->Studing);
  const size_t shown = h.messagesShown().size();

  h.answerEnter();
  menu->cpp1levelTimer();  // the twelfth tick ends the course
  ASSERT_EQ(h.messagesShown().size(), shown + 1);
  EXPECT_EQ(LastMessage(h), "Обучение по классу 'Математика и С++' завершено!");
  EXPECT_EQ(skills->CellsAdded[0], 11);
  EXPECT_FALSE(engine->Studing);
  EXPECT_FALSE(menu->Level1CourseOn[0]);
  EXPECT_FALSE(menu->cpp1level->Enabled);
  EXPECT_EQ(teach_lev->CourseProgress, 0);
  EXPECT_EQ(menu->Level1CourseTicks[0], 11);
  EXPECT_EQ(ProfilesEnabled(study1), (std::vector<bool>{false, true, true}));
  EXPECT_EQ(ProfilesEnabled(study2), (std::vector<bool>{true, true, true}));
  const Chooser c = LookAtChooser(h);
  EXPECT_TRUE(c.level1);
  EXPECT_EQ(c.marks, "nnn");

  // The course cannot be taken again; its button is dead.
  h.click(menu->teach);
  h.click(teach_lev->lev1);
  h.clearSounds();
  h.click(study1->cppl);
  EXPECT_TRUE(h.sounds().empty());
  EXPECT_FALSE(engine->Studing);
  h.click(study1->close);
  ASSERT_TRUE(menu->Visible);
  EXPECT_FALSE(menu->cpp1level->Enabled);
}

TEST(University, ASecondLevelPhpCourseGivesSixteenStepsAndEndsOnTheSeventeenthTick) {
  GameHarness h(With({{"Money", "5000"}, {"Max", "7"}, {"Onum", "0"}}));
  OnTheGameScreen();
  engine->PhpCompiler = "PHP 5";
  SetEducationSteps(25);
  Enrol(h, 2, kPhp, true);
  EXPECT_EQ(menu->money->Caption(), "2900");
  h.click(study2->close);
  const int educationSteps = skills->CellsAdded[3];
  for (int tick = 1; tick <= 16; ++tick) menu->php2levelTimer();
  EXPECT_EQ(skills->CellsAdded[2], 16);
  EXPECT_EQ(static_cast<int>(engine->Onum) + 7 * (skills->CellsAdded[3] - educationSteps), 32);
  EXPECT_TRUE(engine->Studing);
  h.answerEnter();
  menu->php2levelTimer();
  EXPECT_EQ(LastMessage(h), "Обучение по классу 'Веб-дизайн и РНР' завершено!");
  EXPECT_EQ(skills->CellsAdded[2], 16);
  EXPECT_EQ(ProfilesEnabled(study2), (std::vector<bool>{true, true, false}));
  EXPECT_EQ(ProfilesEnabled(study1), (std::vector<bool>{true, true, true}));
}

// Time stands still for a course while the player is away from the game.
TEST(University, ACourseStopsWithTheGameScreenAndGoesOnFromTheSameTick) {
  GameHarness h(With({{"Money", "5000"}, {"Home", "3"}, {"Fun", "100"}, {"MaxFun", "100"}}));
  OnTheGameScreen();
  engine->CppCompiler = "Borland C++ Builder 6";
  SetEducationSteps(1);
  Enrol(h, 1, kCpp);
  h.click(study1->close);
  h.advance(4500);
  EXPECT_EQ(menu->Level1CourseTicks[0], 1);

  h.click(menu->teach);  // away from the game screen
  EXPECT_FALSE(menu->cpp1level->Enabled);
  h.advance(30000);
  EXPECT_EQ(menu->Level1CourseTicks[0], 1);
  h.click(teach_lev->close);
  EXPECT_TRUE(menu->cpp1level->Enabled);
  h.advance(4500);
  EXPECT_EQ(menu->Level1CourseTicks[0], 2);
}

TEST(University, TheYearOfStudyFeedsOneLanguageByTheCalendar) {
  GameHarness h(With({{"Money", "1000000"}}));
  OnTheGameScreen();
  menu->AttendsUniversity = false;
  auto running = [] { return std::vector<bool>{menu->cpp->Enabled, menu->pas->Enabled, menu->php->Enabled}; };
  EXPECT_EQ(running(), (std::vector<bool>{false, false, false}));  // the first year

  // The month turn into September 2007 starts Pascal.
  while (Date() != "31 Август") Tick(h);
  EXPECT_EQ(running(), (std::vector<bool>{false, false, false}));
  Tick(h);
  ASSERT_EQ(menu->year->Caption(), "2007");
  EXPECT_EQ(running(), (std::vector<bool>{false, true, false}));
  const int points = engine->Onpas;
  menu->pasTimer();
  EXPECT_EQ(engine->Onpas + 7 * skills->CellsAdded[1], points + 3);

  // Showing the game screen in September sets the year from the year label.
  const struct {
    const char* year;
    std::vector<bool> feeders;
  } years[] = {{"2008", {false, false, true}},
               {"2009", {true, false, false}},
               {"2010", {true, false, false}},
               {"2011", {false, false, false}},
               {"две тысячи", {false, false, false}}};
  for (const auto& y : years) {
    menu->Hide();
    menu->year->Caption = y.year;
    menu->Show();
    EXPECT_EQ(running(), y.feeders) << y.year;
  }
  // In other months a showing keeps the year of study it had.
  menu->Hide();
  menu->year->Caption = "2008";
  menu->month->Caption = "Октябрь";
  menu->Show();
  EXPECT_EQ(running(), (std::vector<bool>{false, false, false}));
  // And leaving the game screen stops the feeder.
  menu->month->Caption = "Сентябрь";
  menu->Hide();
  menu->Show();
  EXPECT_TRUE(menu->php->Enabled);
  menu->Hide();
  EXPECT_FALSE(menu->php->Enabled);
}
