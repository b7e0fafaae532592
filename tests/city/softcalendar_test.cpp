// The software release calendar: items come on sale on their dates, the
// playbill learns of the next release, soft1 hands over to soft2 after its
// last announcement, and the hand-over survives pause and resume.
#include <gtest/gtest.h>

#include <string>
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

const Names& Playbill() { return afisha->list->Items.Items(); }

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
  EXPECT_EQ(Playbill(), Names{"5 января 2007 года привезут игру GTA: San Andreas."});

  SetDate("5", "Январь", "2007");
  menu->soft1Timer();
  EXPECT_TRUE(gameshop->gta->Visible && gameshop->gtal->Visible);
  EXPECT_EQ(Playbill(), (Names{"5 января 2007 года привезут игру GTA: San Andreas.",
                               "20 января 2007 года состоится релиз ОС Windows Vista.",
                               "20 января 2007 года в продаже появится Windows Vista Basic."}));

  // The second operating system's date shows it even if the first never fired.
  SetDate("15", "Май", "2007");
  menu->soft1Timer();
  EXPECT_TRUE(osshop->ult->Visible && osshop->ultl->Visible);
  EXPECT_EQ(Playbill().back(), "1 июля 2007 года привезут офисный пакет MS Office.");

  // A day that matches no row, or a row of the other timer, changes nothing.
  const size_t lines = Playbill().size();
  SetDate("13", "Август", "2007");
  menu->soft1Timer();
  EXPECT_FALSE(gameshop->aoe->Visible);
  SetDate("12", "Ноябрь", "2007");
  menu->soft1Timer();
  EXPECT_EQ(Playbill().size(), lines);
}

TEST(SoftCalendar, TheRepeatedAnnouncementOfAprilAddsNothing) {
  GameHarness h;
  SetDate("12", "Ноябрь", "2006");
  menu->soft1Timer();
  SetDate("27", "Апрель", "2007");
  const int logged = engine->LogLines.Count();
  menu->soft1Timer();
  EXPECT_TRUE(osshop->ult->Visible);
  EXPECT_EQ(Playbill().size(), 1u);
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
  EXPECT_EQ(Playbill().back(), "13 августа 2007 года привезут игру Age of Empires III.");
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
  EXPECT_EQ(Playbill().back(), "14 октября 2007 года привезут компилятор MS Visual C++.");
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
  EXPECT_EQ(Playbill().back(), "А как открыть еще одну игру думайте сами...");
  EXPECT_FALSE(menu->soft2->Enabled);
  EXPECT_FALSE(menu->Soft2On);
  menu->Hide();
  menu->Show();
  EXPECT_FALSE(menu->soft1->Enabled);
  EXPECT_FALSE(menu->soft2->Enabled);
  EXPECT_FALSE(gameshop->tdu->Visible);
  // The compilers of the second timer.
  SetDate("14", "Октябрь", "2007");
  menu->soft2Timer();
  SetDate("12", "Июнь", "2008");
  menu->soft2Timer();
  EXPECT_TRUE(kshop->ms->Visible && kshop->php5->Visible);
  EXPECT_FALSE(kshop->del->Visible);
}
