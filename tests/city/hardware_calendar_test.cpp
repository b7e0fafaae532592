// The hardware release calendar: each date brings its item onto the shelf
// and posts the next announcement; three timers hand the chain on.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "city/Afisha.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "hardware/Shops.h"
#include "support/GameHarness.h"

using testing_support::GameHarness;
using Strings = std::vector<std::string>;

namespace {

struct Row {
  int timer;
  int day;
  const char* month;
  int year;
  std::function<ui::Image*()> picture;
  std::function<ui::Label*()> label;
  const char* announcement;
};

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {1, 15, "Декабрь", 2006, [] { return mbshop2->mb2; }, [] { return mbshop2->mb2l; },
       "10 марта 2007 года привезут новый монитор."},
      {1, 10, "Март", 2007, [] { return mnshop->m2; }, [] { return mnshop->m2l; },
       "20 июня 2007 года привезут новый винчестер."},
      {1, 20, "Июнь", 2007, [] { return hshop->h3; }, [] { return hshop->h3l; },
       "7 августа 2007 года привезут новый процессор."},
      {1, 7, "Август", 2007, [] { return prshop2->pr3; }, [] { return prshop2->pr3l; },
       "30 ноября 2007 года привезут новый процессор."},
      {1, 30, "Ноябрь", 2007, [] { return prshop->pr3; }, [] { return prshop->pr3l; },
       "8 января 2008 года привезут новую видео карту."},
      {1, 8, "Январь", 2008, [] { return vshop2->v3; }, [] { return vshop2->v3l; },
       "17 марта 2008 года привезут новый процессор."},
      {2, 17, "Март", 2008, [] { return prshop2->pr4; }, [] { return prshop2->pr4l; },
       "15 марта 2008 года привезут новый винчестер."},
      {2, 15, "Май", 2008, [] { return hshop->h4; }, [] { return hshop->h4l; },
       "17 июля 2008 года привезут новую видео карту."},
      {2, 17, "Июль", 2008, [] { return vshop->v3; }, [] { return vshop->v3l; },
       "5 сентября 2008 года привезут новый модем."},
      {2, 5, "Сентябрь", 2008, [] { return mdshop->m2; }, [] { return mdshop->m2l; },
       "7 ноября 2008 года привезут новую оперативку."},
      {2, 7, "Ноябрь", 2008, [] { return rshop->r4; }, [] { return rshop->r4l; },
       "5 января 2009 года привезут новую материнку."},
      {2, 5, "Январь", 2009, [] { return mbshop2->mb3; }, [] { return mbshop2->mb3l; },
       "30 января 2009 года привезут новую материнку."},
      {3, 30, "Январь", 2009, [] { return mbshop->mb3; }, [] { return mbshop->mb3l; },
       "10 февраля 2009 года привезут новую видео карту."},
      {3, 10, "Февраль", 2009, [] { return vshop->v4; }, [] { return vshop->v4l; },
       "17 апреля 2009 года привезут новую видео карту."},
      {3, 17, "Апрель", 2009, [] { return vshop2->v4; }, [] { return vshop2->v4l; },
       "5 мая 2009 года привезут новый процессор."},
      {3, 5, "Май", 2009, [] { return prshop2->pr4; }, [] { return prshop2->pr4l; },
       "12 июля 2009 года привезут новый монитор."},
      {3, 12, "Июль", 2009, [] { return mnshop->m3; }, [] { return mnshop->m3l; },
       "25 августа 2009 года привезут новый процессор."},
      {3, 25, "Август", 2009, [] { return prshop->pr4; }, [] { return prshop->pr4l; }, nullptr},
  };
  return rows;
}

// The playbill's lines below the three it starts with.
Strings Posted() {
  const Strings& all = afisha->list->Items.Items();
  return Strings(all.begin() + 3, all.end());
}

void SetDate(int day, const char* month, int year) {
  menu->day->Caption = std::to_string(day);
  menu->month->Caption = month;
  menu->year->Caption = std::to_string(year);
}

void Tick(int timer) {
  if (timer == 1) menu->devt1Timer();
  if (timer == 2) menu->devt2Timer();
  if (timer == 3) menu->devt3Timer();
}

// Every hidden item of the ten departments, for "nothing else changed".
std::vector<ui::Control*> ShelfControls() {
  std::vector<ui::Control*> all;
  for (Tdepartment* d :
       std::vector<Tdepartment*>{mbshop, mbshop2, prshop, prshop2, rshop, vshop, vshop2, hshop, mdshop, mnshop}) {
    for (int i = 0; i < d->ItemCount(); ++i) {
      all.push_back(d->ItemPicture(i));
      all.push_back(d->ItemLabel(i));
    }
  }
  return all;
}

}  // namespace

TEST(HardwareCalendar, EachRowAloneShowsItsItemAndPostsItsAnnouncement) {
  for (const Row& row : Rows()) {
    GameHarness h;
    SCOPED_TRACE(std::to_string(row.day) + " " + row.month + " " + std::to_string(row.year));
    std::vector<bool> before;
    for (ui::Control* c : ShelfControls()) before.push_back(c->Visible);
    SetDate(row.day, row.month, row.year);
    Tick(row.timer);
    EXPECT_TRUE(row.picture()->Visible);
    EXPECT_TRUE(row.label()->Visible);
    const auto shelf = ShelfControls();
    int changed = 0;
    for (size_t i = 0; i < shelf.size(); ++i) changed += shelf[i]->Visible != before[i];
    EXPECT_EQ(changed, 2);  // the picture and its label, nothing else
    if (row.announcement != nullptr) {
      EXPECT_EQ(Posted(), Strings{row.announcement});
    } else {
      EXPECT_TRUE(Posted().empty());
    }
  }
}

TEST(HardwareCalendar, ARowBelongsToItsOwnTimerOnly) {
  GameHarness h;
  SetDate(17, "Март", 2008);  // a date of the second timer
  menu->devt1Timer();
  menu->devt3Timer();
  EXPECT_FALSE(prshop2->pr4->Visible);
  EXPECT_TRUE(Posted().empty());
  SetDate(16, "Март", 2008);  // the day before: nothing
  menu->devt2Timer();
  EXPECT_FALSE(prshop2->pr4->Visible);
  SetDate(17, "Март", 2009);  // the year counts too
  menu->devt2Timer();
  EXPECT_FALSE(prshop2->pr4->Visible);
}

TEST(HardwareCalendar, ASecondTickOnTheSameDayAddsNothing) {
  GameHarness h;
  SetDate(15, "Декабрь", 2006);
  menu->devt1Timer();
  menu->devt1Timer();
  EXPECT_EQ(Posted().size(), 1u);
}

TEST(HardwareCalendar, Row16OnlyPostsBecauseItsProcessorCameWithRow7) {
  GameHarness h;
  SetDate(17, "Март", 2008);
  menu->devt2Timer();
  std::vector<bool> before;
  for (ui::Control* c : ShelfControls()) before.push_back(c->Visible);
  SetDate(5, "Май", 2009);
  menu->devt3Timer();
  std::vector<bool> after;
  for (ui::Control* c : ShelfControls()) after.push_back(c->Visible);
  EXPECT_EQ(after, before);
  EXPECT_EQ(Posted(),
            (Strings{"15 марта 2008 года привезут новый винчестер.", "12 июля 2009 года привезут новый монитор."}));
}

TEST(HardwareCalendar, HandOversSurvivePauseAndResume) {
  GameHarness h;
  Form1->Hide();
  menu->Show();
  ASSERT_TRUE(menu->devt1->Enabled);
  EXPECT_FALSE(menu->devt2->Enabled);
  // The first timer's last date, seen by a real tick before the day turns.
  SetDate(8, "Январь", 2008);
  h.advance(1200);
  EXPECT_TRUE(vshop2->v3->Visible);
  EXPECT_FALSE(menu->devt1->Enabled);
  EXPECT_TRUE(menu->devt2->Enabled);
  EXPECT_FALSE(menu->Devt1On);
  EXPECT_TRUE(menu->Devt2On);
  menu->StopGameTimers();
  menu->StartGameTimers();
  EXPECT_FALSE(menu->devt1->Enabled);
  EXPECT_TRUE(menu->devt2->Enabled);
  // The second hands on to the third.
  SetDate(5, "Январь", 2009);
  menu->devt2Timer();
  EXPECT_FALSE(menu->devt2->Enabled);
  EXPECT_TRUE(menu->devt3->Enabled);
  menu->Hide();
  menu->Show();
  EXPECT_FALSE(menu->devt2->Enabled);
  EXPECT_TRUE(menu->devt3->Enabled);
  EXPECT_TRUE(menu->Devt3On);
  // The last date stops the chain for good, without a word on the playbill.
  const int lines = afisha->list->Items.Count();
  SetDate(25, "Август", 2009);
  menu->devt3Timer();
  EXPECT_TRUE(prshop->pr4->Visible);
  EXPECT_FALSE(menu->devt3->Enabled);
  EXPECT_FALSE(menu->Devt3On);
  EXPECT_EQ(afisha->list->Items.Count(), lines);
  menu->StopGameTimers();
  menu->StartGameTimers();
  for (ui::Timer* t : {menu->devt1, menu->devt2, menu->devt3}) EXPECT_FALSE(t->Enabled);
}

TEST(HardwareCalendar, TheHandOverComesBeforeTheAnnouncement) {
  GameHarness h;
  bool handedOverWhenPosted = false;
  SetDate(8, "Январь", 2008);
  auto listChanged = afisha->list->Items.OnChange;
  afisha->list->Items.OnChange = [&, listChanged] {
    listChanged();
    handedOverWhenPosted = menu->Devt2On && !menu->Devt1On;
  };
  menu->devt1Timer();
  EXPECT_TRUE(handedOverWhenPosted);
}

TEST(HardwareCalendar, EveryRowInTurnShowsItsItemAndTellsThePlaybill) {
  GameHarness h;
  Form1->Hide();
  menu->Show();
  Strings expected = afisha->list->Items.Items();
  for (const Row& row : Rows()) {
    SCOPED_TRACE(std::to_string(row.day) + " " + row.month + " " + std::to_string(row.year));
    SetDate(row.day, row.month, row.year);
    // Whichever timer of the chain runs now sees the date.
    if (menu->Devt1On) menu->devt1Timer();
    if (menu->Devt2On) menu->devt2Timer();
    if (menu->Devt3On) menu->devt3Timer();
    EXPECT_TRUE(row.picture()->Visible && row.label()->Visible);
    if (row.announcement != nullptr) expected.push_back(row.announcement);
    // Read where the player reads it: the playbill opened from the game.
    h.click(menu->billl);
    ASSERT_TRUE(afisha->Visible);
    EXPECT_EQ(afisha->list->Items.Items(), expected);
    h.click(afisha->close);
    ASSERT_TRUE(menu->Visible);
  }
  EXPECT_EQ(expected.size(), 3u + 17u);
  EXPECT_FALSE(menu->Devt1On || menu->Devt2On || menu->Devt3On) << "the chain has ended";
}
