// The skill bars: steps fill the ten cells and the eleventh raises the level
// up to the maximum; points pay for at most one step and keep the rest; the
// steps are counted for the gates; education grows by itself in play.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "career/Skill.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "support/GameHarness.h"

using testing_support::GameHarness;

namespace {

bool SamePixels(const ui::Picture& a, const ui::Picture& b) {
  const ui::Bitmap& x = a.Graphic();
  const ui::Bitmap& y = b.Graphic();
  if (x.Width() != y.Width() || x.Height() != y.Height()) return false;
  for (int j = 0; j < x.Height(); ++j)
    for (int i = 0; i < x.Width(); ++i)
      if (x.Pixel(i, j) != y.Pixel(i, j)) return false;
  return true;
}

// The bar as drawn: 'y' for a filled cell, 'n' for an empty one, '?' otherwise.
std::string Drawn(int skill) {
  std::string s;
  for (int j = 1; j <= 10; ++j) {
    const ui::Picture& p = skills->Cell(skill, j)->Picture;
    s += SamePixels(p, skills->y->Picture) ? 'y' : SamePixels(p, skills->n->Picture) ? 'n' : '?';
  }
  return s;
}

std::string Bar(int filled) { return std::string(filled, 'y') + std::string(10 - filled, 'n'); }

// The log's lines after the first `from` (counted in engine->LogLines).
size_t LogMark() { return static_cast<size_t>(engine->LogLines.Count()); }
std::vector<std::string> LogSince(const GameHarness& h, size_t from) {
  std::vector<std::string> all = h.logLines();
  return {all.begin() + static_cast<long>(std::min(from, all.size())), all.end()};
}

}  // namespace

TEST(SkillSteps, TenStepsFillTheBarAndTheEleventhRaisesTheLevel) {
  GameHarness h({.config = {{"Cpplev", "2"}, {"Cppbar", "0"}, {"Maxcpp", "10"}}});
  ASSERT_FALSE(skills->y->Picture.Empty());
  EXPECT_EQ(skills->cpp->Caption(), "2");
  EXPECT_EQ(skills->Button1->Caption(), "add_to_cpp");
  Form1->Hide();
  skills->Show();
  const int xp = std::stoi(menu->xp->Caption());
  for (int k = 1; k <= 10; ++k) {
    h.click(skills->Button1);
    EXPECT_EQ(Drawn(0), Bar(k)) << "step " << k;
    EXPECT_EQ(engine->Cppbar, k);
    EXPECT_EQ(skills->cpp->Caption(), "2");
  }
  h.click(skills->Button1);
  EXPECT_EQ(Drawn(0), Bar(0));
  EXPECT_EQ(skills->Bars[0], 0);
  EXPECT_EQ(engine->Cppbar, 0);
  EXPECT_EQ(skills->cpp->Caption(), "3");
  EXPECT_EQ(engine->Cpplev, 3);
  EXPECT_EQ(skills->CellsAdded[0], 11);
  EXPECT_EQ(skills->CellsAdded[1], 0);
  EXPECT_EQ(std::stoi(menu->xp->Caption()), xp + 165);
  EXPECT_EQ(Drawn(1), Bar(0)) << "other rows keep the design's empty cells";
}

TEST(SkillSteps, AtTheMaximumOnlyTheBarCyclesAndAboveItTheLevelNeverRises) {
  GameHarness h(
      {.config = {
           {"Paslev", "5"}, {"Pasbar", "10"}, {"Maxpas", "5"}, {"Umlev", "9"}, {"Umbar", "10"}, {"Maxum", "4"}}});
  const int xp = std::stoi(menu->xp->Caption());
  engine->AdvancePascalSkill();
  EXPECT_EQ(Drawn(1), Bar(0));
  EXPECT_EQ(skills->pas->Caption(), "5");
  EXPECT_EQ(engine->Pasbar, 0);
  EXPECT_EQ(skills->CellsAdded[1], 1);
  engine->AdvanceEducationSkill();
  EXPECT_EQ(skills->um->Caption(), "9");
  EXPECT_EQ(engine->Umlev, 9);
  EXPECT_EQ(std::stoi(menu->xp->Caption()), xp + 30);
}

TEST(SkillSteps, ABarOutsideTheCellsCountsButDrawsNothing) {
  GameHarness h({.config = {{"Phplev", "1"}, {"Phpbar", "11"}, {"Maxphp", "10"}, {"Umbar", "-1"}}});
  skills->DrawBar(2, 4);  // something to keep
  engine->AdvancePhpSkill();
  EXPECT_EQ(Drawn(2), Bar(4));
  EXPECT_EQ(skills->Bars[2], 12);
  EXPECT_EQ(engine->Phpbar, 12);
  EXPECT_EQ(skills->php->Caption(), "1");
  EXPECT_EQ(skills->CellsAdded[2], 1);
  // From -1 the step reaches 0: an empty bar.
  skills->DrawBar(3, 6);
  engine->AdvanceEducationSkill();
  EXPECT_EQ(Drawn(3), Bar(0));
  EXPECT_EQ(engine->Umbar, 0);
}

TEST(SkillSteps, EachStepLogsExperienceThenItsOwnLine) {
  GameHarness h;
  const size_t from = LogMark();
  engine->AdvanceCppSkill();
  engine->AdvancePascalSkill();
  engine->AdvancePhpSkill();
  engine->AdvanceEducationSkill();
  EXPECT_EQ(
      LogSince(h, from),
      (std::vector<std::string>{"Добавление опыта...", "Добавление навыка по С++...", "Добавление опыта...",
                                "Добавление навыка по паскалю...", "Добавление опыта...", "Добавление навыка по РНР...",
                                "Добавление опыта...", "Добавление навыка по образованию..."}));
}

TEST(SkillPoints, PassingTheThresholdPaysOneStepAndKeepsTheRest) {
  GameHarness h({.config = {{"Max", "2"}, {"Oncpp", "0"}}});
  for (int call = 1; call <= 3; ++call) {
    engine->AddCppPoints(3);
    EXPECT_EQ(engine->Oncpp, call);
    EXPECT_EQ(skills->CellsAdded[0], call);
  }
  // At the threshold exactly: back to 0 and one step.
  engine->Onpas = 1;
  const size_t from = LogMark();
  engine->AddPascalPoints(1);
  EXPECT_EQ(engine->Onpas, 0);
  EXPECT_EQ(skills->CellsAdded[1], 1);
  EXPECT_EQ(LogSince(h, from), (std::vector<std::string>{"Добавление опыта...", "Добавление навыка по паскалю...",
                                                         "Добавление поднавыка по Паскалю..."}));
}

TEST(SkillPoints, BelowTheThresholdOnlyAddsAndAZeroThresholdAlwaysSteps) {
  {
    GameHarness h({.config = {{"Max", "7"}, {"Onphp", "2"}}});
    const size_t from = LogMark();
    engine->AddPhpPoints(3);
    EXPECT_EQ(engine->Onphp, 5);
    EXPECT_EQ(skills->CellsAdded[2], 0);
    EXPECT_EQ(LogSince(h, from), (std::vector<std::string>{"Добавление навыка по РНР..."}));
  }
  {
    GameHarness h({.config = {{"Max", "0"}}});
    engine->AddEducationPoints(0);
    EXPECT_EQ(skills->CellsAdded[3], 1);
    EXPECT_EQ(engine->Onum, 0);
  }
}

TEST(SkillsWindow, ShowingDrawsTheEngineBarsAndPointsAndSkipsABarAboveTen) {
  GameHarness h({.config = {{"Cppbar", "3"},
                            {"Pasbar", "12"},
                            {"Phpbar", "10"},
                            {"Umbar", "0"},
                            {"Phplev", "4"},
                            {"Oncpp", "5"},
                            {"Onum", "6"},
                            {"Max", "9"}}});
  EXPECT_EQ(skills->onc->Caption(), "onc");  // until the first showing
  EXPECT_EQ(Drawn(0), Bar(0)) << "creation draws no cell";
  skills->DrawBar(1, 2);
  skills->Show();
  EXPECT_EQ(Drawn(0), Bar(3));
  EXPECT_EQ(Drawn(1), Bar(2));
  EXPECT_EQ(Drawn(2), Bar(10));
  EXPECT_EQ(skills->php->Caption(), "4");
  EXPECT_EQ(skills->onc->Caption(), "5");
  EXPECT_EQ(skills->onum->Caption(), "6");
  // Three points short of nine: the points button makes one step and shows 0.
  h.click(skills->Button8);
  EXPECT_EQ(skills->onum->Caption(), "0");
  EXPECT_EQ(skills->CellsAdded[3], 1);
  h.click(skills->Button5);
  EXPECT_EQ(skills->onc->Caption(), "8");
  EXPECT_EQ(skills->CellsAdded[0], 0);
}

TEST(SkillsWindow, CellsAndLevelsDragOnlyWithTheLeftButtonAndCloseGoesToTheSheet) {
  GameHarness h;
  Form1->Hide();
  skills->Show();
  const int left = skills->Left;
  h.moveTo(skills->Cell(0, 5));
  h.press(skills->Cell(0, 5), ui::MouseButton::Right);
  h.release(skills->Cell(0, 5), ui::MouseButton::Right);
  EXPECT_EQ(skills->Left, left);
  h.drag(skills->um, 12, 0);
  EXPECT_EQ(skills->Left, left + 12);
  h.clearSounds();
  h.click(skills->close);
  EXPECT_FALSE(skills->Visible);
  EXPECT_EQ(h.sounds(), (std::vector<std::string>{"close.wav"}));
}

TEST(EducationTimer, StepsEveryUmAddMaxPlusOneTicksAcrossPauses) {
  GameHarness h({.config = {{"UmAddMax", "3"}, {"Home", "3"}, {"MaxFun", "100"}, {"Fun", "100"}, {"Health", "100"}}});
  Form1->Hide();
  menu->Show();
  h.advance(2500 * 3);
  EXPECT_EQ(skills->CellsAdded[3], 0);
  h.advance(2500);
  EXPECT_EQ(skills->CellsAdded[3], 1);
  h.advance(2500 * 2);
  menu->StopGameTimers();
  h.advance(2500 * 10);  // paused: nothing counts
  EXPECT_EQ(menu->UmTicks, 2);
  menu->StartGameTimers();
  h.advance(2500 * 2);
  EXPECT_EQ(skills->CellsAdded[3], 2);
}
