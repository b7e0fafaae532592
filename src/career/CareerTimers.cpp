#include "career/Find_work.h"
#include "career/Slev1.h"
#include "career/Slev2.h"
#include "career/Study_level.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "ui/Application.h"

// The game screen's timers of study and work. The university's: six paid
// courses, each a number of ticks that give one step in the course's
// language and some education points, and three free year-of-study feeders
// chosen by the calendar year. Then the growth of education and the vacancy
// calendar.

namespace {

// The language step of each profile, in the profiles' order.
void (Tzenx::*const kSteps[3])() = {&Tzenx::AdvanceCppSkill, &Tzenx::AdvancePascalSkill, &Tzenx::AdvancePhpSkill};
// Education points per tick: C++ and Pascal 3, PHP 2.
constexpr uint32_t kEducationPoints[3] = {3, 3, 2};

// One tick of the course of profile i at the level. A level-1 course has
// 11 progress ticks, a level-2 course 16; the tick after the last ends it.
void CourseTick(Tmenu& m, int level, int i) {
  bool* on = level == 2 ? m.Level2CourseOn : m.Level1CourseOn;
  int* ticks = level == 2 ? m.Level2CourseTicks : m.Level1CourseTicks;
  ui::Timer* const timers[2][3] = {{m.cpp1level, m.pas1level, m.php1level}, {m.cpp2level, m.pas2level, m.php2level}};
  Tprofiles* screen = level == 2 ? static_cast<Tprofiles*>(study2) : static_cast<Tprofiles*>(study1);
  const uint32_t last = level == 2 ? 15u : 10u;

  if (static_cast<uint32_t>(ticks[i]) <= last) {
    (engine->*kSteps[i])();
    engine->AddEducationPoints(kEducationPoints[i]);
    ticks[i] = static_cast<int>(static_cast<uint32_t>(ticks[i]) + 1u);
    teach_lev->CourseProgress = ticks[i];
    return;
  }
  timers[level - 1][i]->Enabled = false;
  on[i] = false;
  screen->EnableProfile(i, false);
  engine->ShowGameMessage(std::string("Обучение по классу '") + screen->ProfileAt(i).name + "' завершено!");
  if (m.App().Terminated()) return;
  engine->Studing = false;
  teach_lev->CourseProgress = 0;
  teach_lev->ClearProgress();
  screen->EnableRemainingProfiles();
}

}  // namespace

void Tmenu::cpp1levelTimer() { CourseTick(*this, 1, 0); }
void Tmenu::pas1levelTimer() { CourseTick(*this, 1, 1); }
void Tmenu::php1levelTimer() { CourseTick(*this, 1, 2); }
void Tmenu::cpp2levelTimer() { CourseTick(*this, 2, 0); }
void Tmenu::pas2levelTimer() { CourseTick(*this, 2, 1); }
void Tmenu::php2levelTimer() { CourseTick(*this, 2, 2); }

void Tmenu::cppTimer() { engine->AddCppPoints(3); }
void Tmenu::pasTimer() { engine->AddPascalPoints(3); }
void Tmenu::phpTimer() { engine->AddPhpPoints(3); }

// The year of study is set each September from the year label: 2007 the
// second, 2008 the third, 2009 and 2010 the fourth and fifth; any other
// year (a label that is not a number too) none.
void Tmenu::UpdateCourseYear() {
  if (month->Caption() != "Сентябрь") return;
  int32_t y = 0;
  if (!labels::TryReadCount(year, y)) y = 0;
  switch (y) {
    case 2007:
      CourseYear = 2;
      break;
    case 2008:
      CourseYear = 3;
      break;
    case 2009:
      CourseYear = 4;
      break;
    case 2010:
      CourseYear = 5;
      break;
    default:
      CourseYear = 0;
      break;
  }
  SelectCourseTimer();
}

// Pascal in the second year, PHP in the third, C++ in the fourth and fifth.
void Tmenu::SelectCourseTimer() {
  switch (CourseYear) {
    case 2:
      pas->Enabled = true;
      php->Enabled = false;
      cpp->Enabled = false;
      break;
    case 3:
      php->Enabled = true;
      pas->Enabled = false;
      cpp->Enabled = false;
      break;
    case 4:
    case 5:
      cpp->Enabled = true;
      pas->Enabled = false;
      php->Enabled = false;
      break;
    default:
      cpp->Enabled = false;
      pas->Enabled = false;
      php->Enabled = false;
      break;
  }
}

// Education grows by itself while the game runs: one step every
// UmAddMax + 1 ticks, counted across pauses.
void Tmenu::umTimerTimer() {
  if (static_cast<uint32_t>(engine->UmAddMax) <= static_cast<uint32_t>(UmTicks)) {
    UmTicks = 0;
    engine->AdvanceEducationSkill();
  } else {
    UmTicks = static_cast<int>(static_cast<uint32_t>(UmTicks) + 1u);
  }
}

// The vacancy calendar: each reveal has two dates; the playbill keeps each
// announcement once, so repeated ticks on a matching day change nothing more.
void Tmenu::tworkTimer() {
  int32_t d = 0, y = 0;
  if (!labels::TryReadCount(day, d) || !labels::TryReadCount(year, y)) return;
  const std::string m = month->Caption();
  if ((d == 20 || d == 22) && m == "Февраль" && y == 2007) {
    fwork->w2->Visible = true;
    fwork->w2l->Visible = true;
    engine->AddPosterEntry("19 января 2008 года откроется новая вакансия.");
  } else if ((d == 19 || d == 21) && m == "Январь" && y == 2008) {
    fwork->w3->Visible = true;
    fwork->w3l->Visible = true;
    engine->AddPosterEntry("На ближайшее время все вакансии закончены.");
    twork->Enabled = false;
    TworkOn = false;
  }
}
