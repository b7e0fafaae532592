// Jobs: the offers and their education gates, hiring and quitting with the
// work button's caption and the occupation, the salary once a month on the
// pay day, and the vacancy calendar with its playbill lines.
#include <gtest/gtest.h>

#include "career/CareerHelpers.h"
#include "career/Find_work.h"
#include "career/Now_work.h"
#include "city/Afisha.h"

using testing_support::GameHarness;
using namespace career;

namespace {

std::vector<ui::Control*> Offers() { return {fwork->w1, fwork->w1l, fwork->w2, fwork->w2l, fwork->w3, fwork->w3l}; }

// Hires through the first offer on the job screen, from the game screen.
void Hire(GameHarness& h) {
  SetEducationSteps(1);
  h.click(menu->work);
  h.answerEnter();
  h.click(fwork->w1);
  h.click(fwork->close);
}

}  // namespace

TEST(Jobs, EachOfferOpensAtItsEducationStepsAndHiringLocksThemAll) {
  GameHarness h;
  OnTheGameScreen();
  h.click(menu->workl);
  ASSERT_TRUE(fwork->Visible);
  EXPECT_TRUE(fwork->w1->Visible);
  EXPECT_FALSE(fwork->w2->Visible);
  EXPECT_FALSE(fwork->w3l->Visible);

  const struct {
    ui::Control* offer;
    int below;
    std::string refusal;
  } gates[] = {
      {fwork->w1, 0, "У Вас недостаточный уровень! Нужно иметь хотя бы одну заполненную ячейку в 'Образовании'."},
      {fwork->w2l, 10, "У Вас недостаточный уровень! Нужно иметь хотя бы первый уровень в 'Образовании'."},
      {fwork->w3, 25, "У Вас недостаточный уровень! Нужно иметь хотя бы два с половиной уровня в 'Образовании'."},
  };
  fwork->w2->Visible = fwork->w2l->Visible = fwork->w3->Visible = fwork->w3l->Visible = true;
  for (const auto& g : gates) {
    SetEducationSteps(g.below);
    h.clearSounds();
    h.answerEnter();
    h.click(g.offer);
    EXPECT_EQ(LastMessage(h), g.refusal);
    EXPECT_EQ(h.sounds().at(0), "click.wav");
    EXPECT_EQ(h.sounds().at(1), "mes.wav");
    EXPECT_EQ(engine->Office, "нет");
    EXPECT_FALSE(engine->Work);
    EXPECT_EQ(menu->PayDay, 0);
  }

  SetEducationSteps(26);
  menu->day->Caption = "10";
  h.answerEnter();
  h.click(fwork->w3l);
  EXPECT_EQ(LastMessage(h), "Поздравляем! Вы устроились на работу!");
  EXPECT_EQ(engine->Office, "Наладчик компьютеров");
  EXPECT_EQ(engine->Zp, 2500);
  EXPECT_TRUE(engine->Work);
  EXPECT_EQ(menu->PayDay, 10);
  EXPECT_EQ(menu->day->Caption(), "11");  // the rest of the day is used up
  EXPECT_EQ(h.logLines().back(), "Устраивание на работу...");
  EXPECT_TRUE(fwork->Visible);  // the screen stays open
  for (ui::Control* c : Offers()) EXPECT_FALSE(c->Enabled) << c->Name();

  // A click on a locked offer does nothing at all.
  const size_t shown = h.messagesShown().size();
  h.clearSounds();
  h.click(fwork->w1);
  EXPECT_EQ(h.messagesShown().size(), shown);
  EXPECT_TRUE(h.sounds().empty());
}

TEST(Jobs, HiringAndQuittingSetTheWorkButtonAndTheOccupation) {
  GameHarness h;
  OnTheGameScreen();
  ASSERT_TRUE(engine->Student);
  Hire(h);
  EXPECT_EQ(menu->workl->Caption(), "На работе...");
  EXPECT_EQ(engine->Mark, "Студент-работающий");
  EXPECT_EQ(menu->mark->Caption(), "Студент-работающий");
  EXPECT_EQ(menu->office->Caption(), "Расфасовщик CD-дисков");
  EXPECT_EQ(menu->zp->Caption(), "1500");

  h.click(menu->work);
  ASSERT_TRUE(nwork->Visible);
  EXPECT_FALSE(fwork->Visible);
  EXPECT_EQ(nwork->mark->Caption(), "Студент-работающий");
  EXPECT_EQ(nwork->office->Caption(), "Расфасовщик CD-дисков");
  EXPECT_EQ(nwork->zp->Caption(), "1500");

  h.clearSounds();
  h.answerEnter();
  h.click(nwork->freel);
  EXPECT_EQ(LastMessage(h), "Вы уволились с Вашей работы!");
  // The button's click, the message (whose OK clicks too), then the close.
  EXPECT_EQ(h.sounds(), (std::vector<std::string>{"click.wav", "mes.wav", "click.wav", "close.wav"}));
  EXPECT_FALSE(nwork->Visible);
  EXPECT_TRUE(menu->Visible);
  EXPECT_TRUE(menu->ttime->Enabled);
  EXPECT_EQ(menu->workl->Caption(), "Работа");
  EXPECT_EQ(menu->mark->Caption(), "Студент");
  EXPECT_EQ(menu->office->Caption(), "нет");
  EXPECT_EQ(menu->zp->Caption(), "0");
  EXPECT_FALSE(engine->Work);
  EXPECT_EQ(menu->PayDay, 0);
  EXPECT_EQ(h.logLines().back(), "Увольнение с работы...");
  // The offers open again; those whose date has not come stay hidden.
  for (ui::Control* c : Offers()) EXPECT_TRUE(c->Enabled) << c->Name();
  EXPECT_FALSE(fwork->w2->Visible);

  // After the clock has cleared the student flag (2011).
  menu->year->Caption = "2011";
  menu->AttendsUniversity = false;
  Tick(h);
  ASSERT_FALSE(engine->Student);
  Hire(h);
  EXPECT_EQ(engine->Mark, "Работающий");
  h.answerEnter();
  engine->QuitJob();
  EXPECT_EQ(engine->Mark, "Безработный");
}

TEST(Jobs, HiredOnTheTenthThePayComesOnTheNextTenth) {
  GameHarness h(With({{"Money", "5000"}}));
  OnTheGameScreen();
  menu->AttendsUniversity = false;
  menu->day->Caption = "10";
  Hire(h);
  EXPECT_EQ(menu->PayDay, 10);
  EXPECT_EQ(Date(), "11 Сентябрь");
  const std::string salary = "Получена зарплата в размере 1500 рублей.";
  Tick(h, 28);
  EXPECT_EQ(Date(), "9 Октябрь");
  EXPECT_EQ(CountOf(h.messagesShown(), salary), 0);
  const int before = Cash();
  Tick(h);
  EXPECT_EQ(LastMessage(h), salary);
  EXPECT_EQ(Cash(), before + 1500);
}

// Hiring on a month's last day keeps the date on that day; every month then
// pays once, on its last day where it is shorter than the pay day.
TEST(Jobs, APayDayBeyondAMonthsLengthIsPaidOnItsLastDay) {
  GameHarness h(With({{"Money", "100000"}}));
  OnTheGameScreen();
  menu->AttendsUniversity = false;
  while (Date() != "31 Октябрь") Tick(h);
  Hire(h);
  EXPECT_EQ(menu->PayDay, 31);
  EXPECT_EQ(Date(), "31 Октябрь");
  Tick(h);
  EXPECT_EQ(Date(), "1 Ноябрь");

  std::vector<std::string> paidOn;
  std::vector<std::string> shown;
  for (int i = 0; i < 365; ++i) {
    const size_t before = h.messagesShown().size();
    Tick(h);
    for (size_t k = before; k < h.messagesShown().size(); ++k) {
      if (h.messagesShown()[k] == "Получена зарплата в размере 1500 рублей.") paidOn.push_back(Date());
    }
    shown.push_back(Date());
  }
  EXPECT_EQ(paidOn,
            (std::vector<std::string>{"30 Ноябрь", "31 Декабрь", "31 Январь", "29 Февраль", "31 Март", "30 Апрель",
                                      "31 Май", "30 Июнь", "31 Июль", "31 Август", "30 Сентябрь", "31 Октябрь"}));
  for (const std::string& d : shown) EXPECT_NE(d.substr(0, 3), "32 ");
}

// A job taken on the first: the day number 1 only comes with the month turn,
// which pays it.
TEST(Jobs, APayDayOfOneIsPaidOnEveryMonthTurn) {
  GameHarness h(With({{"Money", "100000"}}));
  OnTheGameScreen();
  menu->AttendsUniversity = false;
  while (Date() != "1 Октябрь") Tick(h);
  Hire(h);
  EXPECT_EQ(menu->PayDay, 1);
  EXPECT_EQ(Date(), "2 Октябрь");
  std::vector<std::string> paidInto;
  for (int i = 0; i < 365; ++i) {
    const size_t before = h.messagesShown().size();
    Tick(h);
    for (size_t k = before; k < h.messagesShown().size(); ++k) {
      if (h.messagesShown()[k] == "Получена зарплата в размере 1500 рублей.") paidInto.push_back(Date());
    }
  }
  EXPECT_EQ(paidInto, (std::vector<std::string>{"1 Ноябрь", "1 Декабрь", "1 Январь", "1 Февраль", "1 Март", "1 Апрель",
                                                "1 Май", "1 Июнь", "1 Июль", "1 Август", "1 Сентябрь", "1 Октябрь"}));
}

TEST(Jobs, TheVacancyCalendarRevealsTheOffersOnTheirDates) {
  GameHarness h;
  OnTheGameScreen();
  Hire(h);  // hired before the dates: the offers that appear stay locked
  auto on = [](const char* d, const char* m, const char* y) {
    menu->day->Caption = d;
    menu->month->Caption = m;
    menu->year->Caption = y;
    menu->tworkTimer();
  };
  const std::string second = "19 января 2008 года откроется новая вакансия.";
  auto posted = [] {
    const auto& all = afisha->list->Items.Items();
    return std::vector<std::string>(all.begin() + 3, all.end());  // after the three it starts with
  };
  const std::string last = "На ближайшее время все вакансии закончены.";
  on("19", "Февраль", "2007");
  on("20", "Февраль", "2008");
  on("20", "Март", "2007");
  EXPECT_FALSE(fwork->w2->Visible);
  EXPECT_TRUE(posted().empty());

  on("22", "Февраль", "2007");
  EXPECT_TRUE(fwork->w2->Visible);
  EXPECT_TRUE(fwork->w2l->Visible);
  EXPECT_FALSE(fwork->w2->Enabled);
  EXPECT_FALSE(fwork->w3->Visible);
  on("20", "Февраль", "2007");
  EXPECT_EQ(posted(), std::vector<std::string>{second});

  on("19", "Январь", "2008");
  on("21", "Январь", "2008");
  EXPECT_TRUE(fwork->w3->Visible);
  EXPECT_TRUE(fwork->w3l->Visible);
  EXPECT_EQ(posted(), (std::vector<std::string>{second, last}));
  EXPECT_FALSE(menu->TworkOn);
  EXPECT_FALSE(menu->twork->Enabled);
  menu->Hide();
  menu->Show();
  EXPECT_FALSE(menu->twork->Enabled);

  // Labels that are not numbers match no row and stop nothing.
  menu->day->Caption = "двадцать";
  EXPECT_NO_THROW(menu->tworkTimer());
}
