// The engine's money, mood, home, rent, sanatorium, savings-box and playbill
// rules, at the edges where a signed or non-strict comparison would slip.
#include <gtest/gtest.h>

#include <algorithm>

#include "city/Afisha.h"
#include "city/Sanatory.h"
#include "platform/Conversions.h"
#include "road/RoadHelpers.h"

using testing_support::GameHarness;

namespace {

int Count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

}  // namespace

TEST(MoneyRule, PriceEqualToTheCashIsRefusedOneLessLeavesOne) {
  GameHarness h;
  menu->money->Caption = "500";
  h.answerEnter();
  EXPECT_FALSE(engine->SpendMoney(500));
  EXPECT_EQ(menu->money->Caption(), "500");
  ASSERT_EQ(h.messagesShown().size(), 1u);
  EXPECT_EQ(h.messagesShown()[0], "Ваших денег недостаточно!");
  EXPECT_TRUE(engine->SpendMoney(499));
  EXPECT_EQ(menu->money->Caption(), "1");
  EXPECT_EQ(engine->Money, 1);
}

TEST(MoneyRule, ZeroPriceNeedsAtLeastOneRouble) {
  GameHarness h;
  menu->money->Caption = "0";
  h.answerEnter();
  EXPECT_FALSE(engine->SpendMoney(0));
  menu->money->Caption = "1";
  EXPECT_TRUE(engine->SpendMoney(0));
  EXPECT_EQ(menu->money->Caption(), "1");
  EXPECT_EQ(h.messagesShown().size(), 1u);
}

TEST(MoneyRule, RefusalIsAGameMessageOnTheGameScreenAndPausesAroundIt) {
  GameHarness h;
  road::StartGame(h);
  menu->money->Caption = "100";
  bool clockStoppedWhileUp = false;
  h.answerModal([&](ui::Form& m) {
    clockStoppedWhileUp = !menu->ttime->Enabled;
    EXPECT_EQ(&m, static_cast<ui::Form*>(mes));
    h.key(ui::VK_RETURN);
  });
  EXPECT_FALSE(engine->SpendMoney(100));
  EXPECT_TRUE(clockStoppedWhileUp);
  EXPECT_TRUE(menu->ttime->Enabled);
}

TEST(MoneyRule, LabelIsReadBackFirstAndValuesWrapAsUnsigned) {
  GameHarness h;
  engine->Money = 200;
  menu->money->Caption = "300";
  engine->AddMoney(50);
  EXPECT_EQ(menu->money->Caption(), "350");
  EXPECT_EQ(engine->Money, 350);

  menu->money->Caption = "4294967290";
  engine->AddMoney(10);
  EXPECT_EQ(menu->money->Caption(), "4");

  // A wrapped (negative) sum is a huge unsigned one: it can pay.
  menu->money->Caption = "4294967295";
  EXPECT_TRUE(engine->SpendMoney(1000));
  EXPECT_EQ(menu->money->Caption(), "4294966295");

  // Money is read as a number with a fraction and truncated.
  menu->money->Caption = "12,9";
  engine->AddMoney(0);
  EXPECT_EQ(menu->money->Caption(), "12");
}

TEST(MoneyRule, LabelThatIsNotANumberChangesNothing) {
  GameHarness h;
  engine->Money = 77;
  menu->money->Caption = "много";
  EXPECT_THROW(engine->AddMoney(5), platform::EConvertError);
  EXPECT_EQ(engine->Money, 77);
  EXPECT_EQ(menu->money->Caption(), "много");
}

TEST(MoodRule, RaiseStopsAtTheCapAlsoFromAbove) {
  GameHarness h;
  engine->MaxFun = 30;
  menu->funny->Caption = "28";
  engine->AddMood(5);
  EXPECT_EQ(menu->funny->Caption(), "30");
  EXPECT_EQ(engine->Fun, 30);
  EXPECT_EQ(GameHarness::skinOf(menu->smile), "middle.bmp");
  menu->funny->Caption = "35";
  engine->AddMood(1);
  EXPECT_EQ(menu->funny->Caption(), "30");
}

TEST(MoodRule, LossToZeroIsTheEndButLeavesTheLabel) {
  GameHarness h;
  menu->funny->Caption = "2";
  engine->SubMood(1);
  EXPECT_EQ(menu->funny->Caption(), "1");
  menu->funny->Caption = "2";
  h.answerEnter();
  engine->SubMood(2);
  EXPECT_EQ(menu->funny->Caption(), "2");
  ASSERT_FALSE(h.messagesShown().empty());
  EXPECT_EQ(h.messagesShown().back(), "Ваше настроение достигло самого низкого уровня! Для Вас игра закончена!");
  EXPECT_TRUE(h.app().Terminated());
  const auto log = h.logLines();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "Завершение игры, как terminate()");
  EXPECT_EQ(log.back(), "/////////////////////////////////");
  EXPECT_EQ(Count(log, "Отнимание настроения..."), 2);
}

TEST(ExperienceRule, AddsToTheLabelValue) {
  GameHarness h;
  engine->Xp = 0;
  menu->xp->Caption = "40";
  engine->AddExperience(7);
  EXPECT_EQ(menu->xp->Caption(), "47");
  EXPECT_EQ(engine->Xp, 47);
  EXPECT_EQ(h.logLines().back(), "Добавление опыта...");
}

TEST(RentRule, MissedRentIsDoubledOnceThenTheSecondFailureTakesEverything) {
  GameHarness h;
  engine->Home = 1;  // 1200 a month
  engine->HouseXN = true;
  menu->funny->Caption = "20";
  engine->MaxFun = 60;

  engine->Money = 1200;  // equal to the rent: not enough
  h.answerEnter();
  engine->PayRent();
  EXPECT_EQ(engine->Money, 1200);
  EXPECT_FALSE(engine->HouseXN);
  EXPECT_EQ(menu->funny->Caption(), "18");
  EXPECT_EQ(h.messagesShown().back(),
            "Не удалось оплатить счет за квартиру! В следующем месяце придется платить по 2-ой ставке!");
  EXPECT_EQ(h.logLines().back(), "Не удалось оплатить счет за квартиру в первый раз...");

  engine->Money = 2400;  // the double rent, equal again
  h.answerEnter();
  engine->PayRent();
  EXPECT_EQ(engine->Money, 10);
  EXPECT_EQ(menu->money->Caption(), "10");
  EXPECT_TRUE(engine->HouseXN);
  EXPECT_EQ(menu->funny->Caption(), "16");
  EXPECT_EQ(h.messagesShown().back(), "Не удалось оплатить счет за квартиру! У Вас заберут все деньги!");
  EXPECT_EQ(h.logLines().back(), "Не удалось заплатить второй раз за квартиру...");

  engine->Money = 1201;  // single rent again
  menu->xp->Caption = "0";
  h.answerEnter();
  engine->PayRent();
  EXPECT_EQ(engine->Money, 1);
  EXPECT_EQ(menu->money->Caption(), "1");
  EXPECT_EQ(menu->funny->Caption(), "18");
  EXPECT_EQ(menu->xp->Caption(), "5");
  EXPECT_EQ(h.logLines().back(), "Удалось оплатить счет за квартиру...");
}

TEST(RentRule, PaidDoubleRentAddsNoMood) {
  GameHarness h;
  engine->Home = 0;  // 800, doubled 1600
  engine->HouseXN = false;
  engine->Money = 1601;
  menu->funny->Caption = "20";
  menu->xp->Caption = "0";
  h.answerEnter();
  engine->PayRent();
  EXPECT_EQ(engine->Money, 1);
  EXPECT_TRUE(engine->HouseXN);
  EXPECT_EQ(menu->funny->Caption(), "20");
  EXPECT_EQ(menu->xp->Caption(), "5");
  EXPECT_EQ(h.messagesShown().back(), "Оплата за квартиру прошла успешно!");
}

TEST(HomeRule, MoveChargesSetsTheCapAndTellsTheRent) {
  GameHarness h;
  menu->money->Caption = "4000";
  h.answerEnter();
  engine->MoveHome(1);  // 4000 is not more than 4000
  EXPECT_EQ(engine->Home, 0);
  menu->money->Caption = "7001";
  h.answerEnter();
  engine->MoveHome(2);
  EXPECT_EQ(engine->Home, 2);
  EXPECT_EQ(engine->MaxFun, 80);
  EXPECT_EQ(menu->money->Caption(), "1");
  EXPECT_EQ(menu->home->Caption(), "Улучшенная планировка");
  EXPECT_EQ(menu->Label17->Hint(), "Квартира улучшенной планировки (макс. настроение - 80)");
  EXPECT_EQ(h.messagesShown().back(),
            "Вы переехали в хорошую квартиру! Теперь Вы ежемесячно будете платить 2000 руб. за проживание и "
            "максимальное настроение у Вас теперь 80.");
  engine->MoveHome(4);  // no such home
  EXPECT_EQ(engine->Home, 2);
}

TEST(SanatoriumRule, StayMovesTheMonthNotTheDayAndResumes) {
  GameHarness h;
  road::StartGame(h);
  menu->day->Caption = "31";
  menu->month->Caption = "Март";
  menu->money->Caption = "1201";
  engine->MaxFun = 30;
  road::SetHealth(40);
  road::SetMood(5);
  h.answerEnter();
  engine->GoToSanatorium();
  EXPECT_EQ(menu->day->Caption(), "31");
  EXPECT_EQ(menu->month->Caption(), "Апрель");
  EXPECT_EQ(menu->year->Caption(), "2006");
  EXPECT_EQ(menu->hp->Caption(), "100");
  EXPECT_EQ(menu->funny->Caption(), "30");
  EXPECT_EQ(menu->money->Caption(), "1");
  EXPECT_TRUE(engine->SanInThisYear);
  EXPECT_FALSE(sanatory->go->Enabled);
  EXPECT_FALSE(sanatory->gol->Enabled);
  EXPECT_TRUE(menu->ttime->Enabled);  // resumed
  EXPECT_EQ(h.messagesShown().back(),
            "Поздравляем! Вы прошли полный курс лечения в санаториe, теперь Ваше здоровье в отличной форме!");
}

TEST(SanatoriumRule, DecemberStayTurnsTheYear) {
  GameHarness h;
  menu->month->Caption = "Декабрь";
  menu->year->Caption = "2007";
  menu->money->Caption = "5000";
  h.answerEnter();
  engine->GoToSanatorium();
  EXPECT_EQ(menu->month->Caption(), "Январь");
  EXPECT_EQ(menu->year->Caption(), "2008");
}

TEST(SanatoriumRule, RefusedStayLeavesTheGamePausedWithTwoMessages) {
  GameHarness h;
  road::StartGame(h);
  menu->Hide();  // the sanatorium screen is up instead
  menu->money->Caption = "1200";
  h.answerEnter(2);
  engine->GoToSanatorium();
  EXPECT_EQ(h.messagesShown().size(), 2u);
  EXPECT_EQ(h.messagesShown()[1], "У Вас недостаточно денег для поездки в санаторий!");
  EXPECT_EQ(menu->month->Caption(), "Сентябрь");
  EXPECT_FALSE(menu->ttime->Enabled);
  EXPECT_FALSE(engine->SanInThisYear);
}

TEST(PiggyBankRule, TheWholeSavingsMayBeTakenButNotTheWholeCashPut) {
  GameHarness h;
  engine->Kopilka = 300;
  engine->Money = 50;
  h.answerEnter();
  EXPECT_FALSE(engine->TakeFromPiggyBank(301));
  EXPECT_EQ(h.messagesShown().back(), "В копилке нет такой суммы!");
  EXPECT_TRUE(engine->TakeFromPiggyBank(300));
  EXPECT_EQ(engine->Kopilka, 0);
  EXPECT_EQ(menu->money->Caption(), "350");

  h.answerEnter();
  EXPECT_FALSE(engine->PutIntoPiggyBank(350));
  EXPECT_EQ(h.messagesShown().back(), "Вы не можете положить такую сумму в копилку!");
  EXPECT_TRUE(engine->PutIntoPiggyBank(349));
  EXPECT_EQ(engine->Kopilka, 349);
  EXPECT_EQ(menu->money->Caption(), "1");
  const auto log = h.logLines();
  EXPECT_EQ(Count(log, "Взяты деньги из копилки..."), 1);
  EXPECT_EQ(Count(log, "Положил деньги в копилку..."), 1);
}

TEST(PlaybillRule, AnEqualTextIsNotAddedTwiceButLetterCaseCounts) {
  GameHarness h;
  const int before = afisha->list->Items.Count();
  engine->AddPosterEntry("Новая игра");
  engine->AddPosterEntry("Новая игра");
  engine->AddPosterEntry("новая игра");
  EXPECT_EQ(afisha->list->Items.Count(), before + 2);
  EXPECT_EQ(Count(h.logLines(), "Добавлена запись в афишу..."), 3);
}
