#pragma once
// The game screen: the player's state in a column of labels (the master
// copies of money, mood, health, experience and the date), the navigation
// buttons, and the 21 timers that make game time pass while it is shown.
#include <string>

#include "engine/Screen.h"
#include "ui/PopupMenu.h"
#include "ui/Timer.h"

class Tzenx;

class Tmenu : public Screen {
 public:
  explicit Tmenu(ui::Application& app);

  // Frame.
  ui::Image* wnd;
  ui::Label* min;
  ui::Image* ico;
  ui::PopupMenu* pm;
  ui::MenuItem* N7;

  // Stat labels.
  ui::Label* Label1;
  ui::Label* name;
  ui::Label* sname;
  ui::Label* nick;
  ui::Label* Label2;
  ui::Label* Label3;
  ui::Label* hp;
  ui::Label* Label4;
  ui::Label* funny;
  ui::Image* smile;
  ui::Label* Label5;
  ui::Label* status;
  ui::Label* Label6;
  ui::Label* xp;
  ui::Label* Label11;
  ui::Label* money;
  ui::Label* Label17;
  ui::Label* home;
  ui::Label* Label7;
  ui::Label* Label8;
  ui::Label* mark;
  ui::Label* Label9;
  ui::Label* office;
  ui::Label* Label10;
  ui::Label* zp;
  ui::Label* stipendiya;
  ui::Label* Label12;
  ui::Label* Label13;
  ui::Label* day;
  ui::Label* Label14;
  ui::Label* dow;
  ui::Label* Label15;
  ui::Label* month;
  ui::Label* Label16;
  ui::Label* year;
  ui::Label* ver;

  // Navigation buttons, in the order of their skin loads.
  ui::Image* trav;
  ui::Label* travell;
  ui::Image* computer;
  ui::Label* computerl;
  ui::Image* player;
  ui::Label* playerl;
  ui::Image* work;
  ui::Label* workl;
  ui::Image* teach;
  ui::Label* teachl;
  ui::Image* dev;
  ui::Label* devl;
  ui::Image* bill;
  ui::Label* billl;
  ui::Image* main;
  ui::Label* mainl;
  // Quick buttons.
  ui::Image* qsettins;
  ui::Image* qload;
  ui::Image* qexit;

  // The timers of game time, in the order of their table (Play.cpp).
  ui::Timer* tfun;
  ui::Timer* thp;
  ui::Timer* ttime;
  ui::Timer* devt1;
  ui::Timer* devt2;
  ui::Timer* devt3;
  ui::Timer* soft1;
  ui::Timer* soft2;
  ui::Timer* umTimer;
  ui::Timer* twork;
  ui::Timer* cpp;
  ui::Timer* pas;
  ui::Timer* php;
  ui::Timer* cpp1level;
  ui::Timer* pas1level;
  ui::Timer* php1level;
  ui::Timer* cpp2level;
  ui::Timer* pas2level;
  ui::Timer* php2level;
  ui::Timer* ddoc_timer;
  ui::Timer* sgDevTimer;

  // State of the screen, set at creation; each belongs to the rule that uses it.
  int CourseYear = 1;
  bool Devt1On = true, Devt2On = false, Devt3On = false;
  bool NewYearDone = false;
  // The year label turns once for each new year of the clock's own calendar
  // (its month passing from December to January). A stay from December shows
  // the coming year early (YearShownEarly); when the clock's January then
  // comes, its year is already shown (NewYearShown) until the label leaves
  // January.
  bool YearShownEarly = false;
  bool NewYearShown = false;
  bool Soft1On = true, Soft2On = false;
  bool TworkOn = true;
  bool MoodWarned = false, HealthWarned = false;
  bool AttendsUniversity = true;
  bool GameEnding = false;
  int UmTicks = 0;
  bool Level1CourseOn[3] = {false, false, false};
  int Level1CourseTicks[3] = {0, 0, 0};
  bool Level2CourseOn[3] = {false, false, false};
  int Level2CourseTicks[3] = {0, 0, 0};
  int PayDay = 0;
  int DdocLength = 0, DdocDay = 0;
  std::string ProjectKind;
  bool DdocActive = false;
  int DevSteps = 0, DevStep = 0;
  bool DevActive = false;
  std::string DevLanguage, DevName;
  int DevPrice = 0;

  void FormCreate() override;
  void FormShow() override;
  void FormHide();
  void StopGameTimers();
  void StartGameTimers();
  void ShowMoodIcon();
  void ClampMood();

  // Navigation, the frame's labels, the quick buttons and the icon's menu.
  void travClick();
  void computerClick();
  void playerClick();
  void workClick();
  void teachClick();
  void devClick();
  void billClick();
  void mainClick();
  void closeClick() override;
  void minClick();
  void qsettinsClick();
  void qloadClick();
  void qexitClick();
  void icoClick();
  void N7Click();
  void FormKeyDown(int& key, ui::ShiftState shift);
  void FormCloseQuery(bool& canClose);

  // Timer handlers, each with the rule it runs: the day clock and the decay
  // in city/ClockTimers.cpp, the release calendars in city/*CalendarTimers.cpp,
  // education, courses and vacancies in career/CareerTimers.cpp, the
  // development runs in development/DevTimers.cpp.
  void tfunTimer();
  void thpTimer();
  void ttimeTimer();
  void devt1Timer();
  void devt2Timer();
  void devt3Timer();
  void soft1Timer();
  void soft2Timer();
  void umTimerTimer();
  void tworkTimer();
  void cppTimer();
  void pasTimer();
  void phpTimer();
  void cpp1levelTimer();
  void pas1levelTimer();
  void php1levelTimer();
  void cpp2levelTimer();
  void pas2levelTimer();
  void php2levelTimer();
  void ddoc_timerTimer();
  void sgDevTimerTimer();
  // University course year (career).
  void UpdateCourseYear();
  void SelectCourseTimer();
  // Whether the day clock pays the salary in a tick that reaches day n.
  bool SalaryDue(int n, bool monthTurns, int daysInMonth) const;

 private:
  // Leaving for the main menu with the given sound; the game stays started.
  void LeaveForMainMenu(void (Tzenx::*sound)());
};

extern Tmenu* menu;
