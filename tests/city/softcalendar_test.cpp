// The software release calendar: items come on sale on their dates, the
// playbill learns of the next release, soft1 hands over to soft2 after its
// last announcement, and the hand-over survives pause and resume.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "city/Afisha.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "software/Gameshop.h"
#include "software/Kshop.h"
#include "software/Osshop.h"
#include "software/Textshop.h"
#include "support/GameHarness.h"

using testing_support::GameHarness;

namespace {

using Names = std::vector<std::string>;

void SetDate(const char* day, const char* month, const char* year) {
  menu->day->Caption = day;
  menu->month->Caption = month;
  menu->year->Caption = year;
}

// The playbill's lines below the three it starts with.
Names Posted() {
  const Names& all = afisha->list->Items.Items();
  return Names(all.begin() + 3, all.end());
}

// A long, pleasant game so that nothing but the calendar speaks up.
testing_support::HarnessOptions Calm() {
  return {.config = {{"Home", "3"}, {"MaxFun", "100"}, {"Fun", "100"}, {"Health", "100"}}};
}

}  // namespace

TEST(SoftCalendar, RowsFireOnTheirDateEachByItself) {
  GameHarness h;
  SetDate("12", "Ноябрь", "2006");
  menu->soft1Timer();
  EXPECT_TRUE(textshop->open->Visible);
  EXPECT_TRUE(textshop->openl->Visible);
  EXPECT_EQ(Posted(), Names{"5 января 2007 года привезут игру GTA: San Andreas."});

  SetDate("5", "Январь", "2007");
  menu->soft1Timer();
  EXPECT_TRUE(gameshop->gta->Visible && gameshop->gtal->Visible);
  EXPECT_EQ(Posted(), (Names{"5 января 2007 года привезут игру GTA: San Andreas.",
                             "20 января 2007 года состоится релиз ОС Windows Vista.",
                             "20 января 2007 года в продаже появится Windows Vista Basic."}));

  // The second operating system's date shows it even if the first never fired.
  SetDate("15", "Май", "2007");
  menu->soft1Timer();
  EXPECT_TRUE(osshop->ult->Visible && osshop->ultl->Visible);
  EXPECT_EQ(Posted().back(), "1 июля 2007 года привезут офисный пакет MS Office.");

  // A day that matches no row, or a row of the other timer, changes nothing.
  const size_t lines = Posted().size();
  SetDate("13", "Август", "2007");
  menu->soft1Timer();
  EXPECT_FALSE(gameshop->aoe->Visible);
  SetDate("12", "Ноябрь", "2007");
  menu->soft1Timer();
  EXPECT_EQ(Posted().size(), lines);
}

TEST(SoftCalendar, TheRepeatedAnnouncementOfAprilAddsNothing) {
  GameHarness h;
  SetDate("12", "Ноябрь", "2006");
  menu->soft1Timer();
  SetDate("27", "Апрель", "2007");
  const int logged = engine->LogLines.Count();
  menu->soft1Timer();
  EXPECT_TRUE(osshop->ult->Visible);
  EXPECT_EQ(Posted().size(), 1u);
  EXPECT_EQ(engine->LogLines.Count(), logged + 1) << "the playbill still logs the attempt";
}

TEST(SoftCalendar, HandOverToSoft2SurvivesPauseAndResume) {
  GameHarness h(Calm());
  Form1->Hide();
  menu->Show();
  ASSERT_TRUE(menu->soft1->Enabled);
  ASSERT_FALSE(menu->soft2->Enabled);
  SetDate("1", "Июль", "2007");
  h.advance(1200);  // one calendar tick before the day turns
  EXPECT_TRUE(textshop->ms->Visible && textshop->msl->Visible);
  EXPECT_EQ(Posted().back(), "13 августа 2007 года привезут игру Age of Empires III.");
  EXPECT_FALSE(menu->soft1->Enabled);
  EXPECT_FALSE(menu->Soft1On);
  EXPECT_TRUE(menu->soft2->Enabled);
  EXPECT_TRUE(menu->Soft2On);

  menu->Hide();  // pause
  EXPECT_FALSE(menu->soft2->Enabled);
  menu->Show();  // resume
  EXPECT_TRUE(menu->soft2->Enabled);
  EXPECT_FALSE(menu->soft1->Enabled);
  SetDate("13", "Август", "2007");
  h.advance(1200);
  EXPECT_TRUE(gameshop->aoe->Visible && gameshop->aoel->Visible);
  EXPECT_EQ(Posted().back(), "14 октября 2007 года привезут компилятор MS Visual C++.");
}

TEST(SoftCalendar, TheLastReleaseStopsTheChainAndLeavesTheHiddenGameHidden) {
  GameHarness h(Calm());
  Form1->Hide();
  menu->Soft1On = false;
  menu->Soft2On = true;
  menu->Show();
  SetDate("7", "Август", "2008");
  h.advance(1200);
  EXPECT_TRUE(gameshop->nfs->Visible && gameshop->nfsl->Visible);
  EXPECT_EQ(Posted().back(), "А как открыть еще одну игру думайте сами...");
  EXPECT_FALSE(menu->soft2->Enabled);
  EXPECT_FALSE(menu->Soft2On);
  menu->Hide();
  menu->Show();
  EXPECT_FALSE(menu->soft1->Enabled);
  EXPECT_FALSE(menu->soft2->Enabled);
  EXPECT_FALSE(gameshop->tdu->Visible);
  // The three compilers of the second timer, the Pascal one among them.
  SetDate("14", "Октябрь", "2007");
  menu->soft2Timer();
  SetDate("27", "Декабрь", "2007");
  menu->soft2Timer();
  SetDate("12", "Июнь", "2008");
  menu->soft2Timer();
  EXPECT_TRUE(kshop->ms->Visible && kshop->php5->Visible);
  EXPECT_TRUE(kshop->del->Visible && kshop->dell->Visible);
}

TEST(SoftCalendar, EveryRowInTurnShowsItsItemAndTellsThePlaybill) {
  struct Row {
    const char* day;
    const char* month;
    const char* year;
    std::function<std::pair<ui::Control*, ui::Control*>()> item;
    Names posted;  // the new lines, in order
  };
  const Row rows[] = {
      {"12",
       "Ноябрь",
       "2006",
       [] {
         return std::pair<ui::Control*, ui::Control*>{textshop->open, textshop->openl};
       },
       {"5 января 2007 года привезут игру GTA: San Andreas."}},
      {"5",
       "Январь",
       "2007",
       [] {
         return std::pair<ui::Control*, ui::Control*>{gameshop->gta, gameshop->gtal};
       },
       {"20 января 2007 года состоится релиз ОС Windows Vista.",
        "20 января 2007 года в продаже появится Windows Vista Basic."}},
      {"20",
       "Январь",
       "2007",
       [] {
         return std::pair<ui::Control*, ui::Control*>{osshop->basic, osshop->basicl};
       },
       {"6 марта 2007 года привезут игру Dark Messiah of M&M."}},
      {"6",
       "Март",
       "2007",
       [] {
         return std::pair<ui::Control*, ui::Control*>{gameshop->mm, gameshop->mml};
       },
       {"27 апреля 2007 года в продаже появится ОС Windows Vista Ultimate."}},
      {"27",
       "Апрель",
       "2007",
       [] {
         return std::pair<ui::Control*, ui::Control*>{osshop->ult, osshop->ultl};
       },
       {}},  // its announcement is the one of November again
      {"15",
       "Май",
       "2007",
       [] {
         return std::pair<ui::Control*, ui::Control*>{osshop->ult, osshop->ultl};
       },
       {"1 июля 2007 года привезут офисный пакет MS Office."}},
      {"1",
       "Июль",
       "2007",
       [] {
         return std::pair<ui::Control*, ui::Control*>{textshop->ms, textshop->msl};
       },
       {"13 августа 2007 года привезут игру Age of Empires III."}},
      {"13",
       "Август",
       "2007",
       [] {
         return std::pair<ui::Control*, ui::Control*>{gameshop->aoe, gameshop->aoel};
       },
       {"14 октября 2007 года привезут компилятор MS Visual C++."}},
      {"14",
       "Октябрь",
       "2007",
       [] {
         return std::pair<ui::Control*, ui::Control*>{kshop->ms, kshop->msl};
       },
       {"27 декабря 2007 года привезут компилятор Borland Delphi."}},
      {"27",
       "Декабрь",
       "2007",
       [] {
         return std::pair<ui::Control*, ui::Control*>{kshop->del, kshop->dell};
       },
       {"17 февраля 2008 года привезут игру F.E.A.R."}},
      {"17",
       "Февраль",
       "2008",
       [] {
         return std::pair<ui::Control*, ui::Control*>{gameshop->fear, gameshop->fearl};
       },
       {"3 апреля 2008 года привезут игру FIFA."}},
      {"3",
       "Апрель",
       "2008",
       [] {
         return std::pair<ui::Control*, ui::Control*>{gameshop->fifa, gameshop->fifal};
       },
       {"12 июня 2008 года привезут компилятор РНР 5.0.0.0."}},
      {"12",
       "Июнь",
       "2008",
       [] {
         return std::pair<ui::Control*, ui::Control*>{kshop->php5, kshop->php5l};
       },
       {"7 августа 2008 года привезут игру Need For Speed."}},
      {"7",
       "Август",
       "2008",
       [] {
         return std::pair<ui::Control*, ui::Control*>{gameshop->nfs, gameshop->nfsl};
       },
       {"А как открыть еще одну игру думайте сами..."}},
  };
  GameHarness h(Calm());
  Form1->Hide();
  menu->Show();
  Names expected = afisha->list->Items.Items();
  ASSERT_EQ(expected,
            (Names{"12 ноября 2006 года привезут Open Office.", "15 декабря 2006 года привезут новую материнку.",
                   "20 февраля 2007 года откроется новая вакансия."}))
      << "the playbill starts with three lines; the later ones come below";
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.day) + " " + row.month + " " + row.year);
    SetDate(row.day, row.month, row.year);
    // Whichever timer of the chain runs now sees the date.
    if (menu->Soft1On) menu->soft1Timer();
    if (menu->Soft2On) menu->soft2Timer();
    const auto [picture, label] = row.item();
    EXPECT_TRUE(picture->Visible && label->Visible);
    expected.insert(expected.end(), row.posted.begin(), row.posted.end());
    // Read where the player reads it: the playbill opened from the game.
    h.click(menu->billl);
    ASSERT_TRUE(afisha->Visible);
    EXPECT_EQ(afisha->list->Items.Items(), expected);
    h.click(afisha->close);
    ASSERT_TRUE(menu->Visible);
  }
  EXPECT_FALSE(menu->Soft1On || menu->Soft2On) << "the chain has ended";
  EXPECT_FALSE(gameshop->tdu->Visible) << "the one game no date brings";
}
