// The internet: the keypad's tones and the provider's numbers, the browser's
// bill by the second on the slow and the fast line, its payment on closing
// (enough money, exactly the bill, too little, nothing owed), the exhibition
// site's loading and list, and the sale of a finished game.
#include "development/Internet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "development/DevHelpers.h"
#include "development/Ibrowser.h"
#include "development/Sgbuy.h"
#include "development/Sitebazar.h"
#include "hardware/Computer.h"
#include "software/Setupedsoft.h"

using dev_test::Developer;
using dev_test::EnterGame;
using dev_test::Money;
using testing_support::GameHarness;

namespace {

// The internet window, from the computer screen of a game with a modem and a system.
void OpenInternet(GameHarness& h) {
  EnterGame();
  ssoft->os->Caption = engine->Os1;
  h.click(menu->computer);
  ASSERT_TRUE(comp->Visible);
  h.click(comp->internet);
  ASSERT_TRUE(inet->Visible);
}

void Dial(GameHarness& h, const std::string& number) {
  for (char c : number) h.click(inet->digits[c - '0']);
  h.click(inet->call);
}

// Online in the browser with `bill` roubles counted and `money` in cash.
void OnlineWithBill(GameHarness& h, uint32_t bill, const std::string& money) {
  OpenInternet(h);
  Dial(h, engine->InetPhone1);
  ASSERT_TRUE(browser->Visible);
  menu->money->Caption = money;
  browser->Bill = bill;
}

testing_support::HarnessOptions DialUp(std::map<std::string, std::string> more = {}) {
  more.emplace("Modem", "Sprinter 56k");
  more.emplace("ModemType", "1");
  return Developer(more);
}

}  // namespace

TEST(InternetWindow, TheKeysPlayTheirTonesAndOnlyTheProvidersNumbersAnswer) {
  GameHarness h(DialUp());
  OpenInternet(h);
  EXPECT_EQ(inet->phones->Caption(), "Телефоны провайдера: 2391010, 2391020, 2391030; выделенная линия: 2393000");
  h.clearSounds();
  h.click(inet->digits[2]);
  h.click(inet->digits[9]);
  EXPECT_EQ(h.sounds(), (std::vector<std::string>{"dtmf2.wav", "dtmf9.wav"}));
  EXPECT_EQ(inet->number->Caption(), "29");
  h.click(inet->clear);
  EXPECT_EQ(inet->number->Caption(), "");

  // A wrong number, and no number at all, get the busy line.
  h.answerEnter(2);
  Dial(h, "2391011");
  h.click(inet->call);
  EXPECT_EQ(h.messagesShown(),
            std::vector<std::string>(2, "Номер не отвечает! Наберите один из телефонов провайдера."));
  EXPECT_TRUE(inet->Visible);
  EXPECT_FALSE(browser->timer->Enabled);

  // The keyboard dials too; more digits than a number has are not taken.
  for (int i = 0; i < 15; ++i) h.type("1");
  EXPECT_EQ(inet->number->Caption(), std::string(Tinet::kMaxDigits, '1'));
  h.key(ui::VK_BACK);
  h.type(engine->InetPhone3);
  h.clearSounds();
  h.key(ui::VK_RETURN);
  EXPECT_TRUE(browser->Visible);
  EXPECT_FALSE(inet->Visible);
  EXPECT_EQ(h.sounds().front(), "modem.wav");
}

TEST(Browser, TheBillGrowsByTheSecondOnTheSlowLineAndTwiceAsFastOnTheFastOne) {
  for (const auto& [type, modem, perTenSeconds] : {std::tuple{"1", "Sprinter 56k", 10u}, {"2", "Sprinter ADSL", 20u}}) {
    GameHarness h(Developer({{"Modem", modem}, {"ModemType", type}}));
    OpenInternet(h);
    Dial(h, engine->InetSpeedPhone);
    ASSERT_TRUE(browser->Visible) << modem;
    h.advance(10000);
    EXPECT_EQ(browser->Bill, perTenSeconds) << modem;
    EXPECT_EQ(browser->billl->Caption(), "Счёт за Интернет: " + std::to_string(perTenSeconds) + " руб.");
    // The bill keeps running on the exhibition site.
    h.click(browser->site);
    ASSERT_TRUE(sBazar->Visible);
    h.advance(10000);
    EXPECT_EQ(browser->Bill, 2 * perTenSeconds) << modem;
    sBazar->Hide();
    browser->Show();
    h.answerEnter();
    h.click(browser->close);
  }
}

TEST(Browser, ClosingPaysTheBillWhenTheMoneyIsMoreThanIt) {
  GameHarness h(DialUp());
  OnlineWithBill(h, 40, "1000");
  h.answerEnter();
  h.click(browser->close);
  EXPECT_EQ(h.messagesShown().back(), "Интернет обошелся Вам в 40 руб.");
  EXPECT_EQ(Money(), 960);
  EXPECT_EQ(h.logLines().back(), "Оплата Интернета...");
  EXPECT_EQ(browser->Bill, 0u);
  EXPECT_FALSE(browser->timer->Enabled);
  EXPECT_TRUE(inet->Visible);
  EXPECT_FALSE(h.app().Terminated());
  // A new connection starts from nothing.
  Dial(h, engine->InetPhone2);
  h.advance(3000);
  EXPECT_EQ(browser->Bill, 3u);
}

TEST(Browser, ABillEqualToTheMoneyOrMoreEndsTheGame) {
  for (const char* money : {"40", "39"}) {
    GameHarness h(DialUp());
    OnlineWithBill(h, 40, money);
    h.answerEnter();
    h.click(browser->close);
    ASSERT_EQ(h.messagesShown().size(), 1u) << money;  // no second "not enough money"
    EXPECT_EQ(h.messagesShown().back(),
              "Все последние деньги ушли на Интернет... Да и то Вы остались должны деньги провайдеру... Игра "
              "закончена!");
    EXPECT_TRUE(h.app().Terminated()) << money;
    EXPECT_EQ(menu->money->Caption(), money);
  }
}

TEST(Browser, NothingOwedCostsNothingEvenWithoutMoney) {
  GameHarness h(DialUp());
  OnlineWithBill(h, 0, "0");
  h.answerEnter();
  h.click(browser->close);
  EXPECT_EQ(h.messagesShown().back(), "Интернет обошелся Вам в 0 руб.");
  EXPECT_FALSE(h.app().Terminated());
  EXPECT_EQ(menu->money->Caption(), "0");
  EXPECT_TRUE(inet->Visible);
}

TEST(ExhibitionSite, ThePageLoadsAtTheLinesPaceAndAGameSellsForItsPrice) {
  GameHarness h(DialUp());
  engine->GamesForSale->Items.Add("Тетрис");
  engine->GamePrices->Items.Add("1250");
  engine->GamesForSale->Items.Add("Змейка");
  engine->GamePrices->Items.Add("2000");
  OnlineWithBill(h, 0, "1000");
  h.click(browser->site);
  EXPECT_EQ(sBazar->status->Caption(), "Загрузка страницы...");
  EXPECT_FALSE(sBazar->list->Visible);
  h.advance(4999);  // ten steps of half a second on the dial-up line
  EXPECT_FALSE(sBazar->list->Visible);
  h.advance(1);
  ASSERT_TRUE(sBazar->list->Visible);
  EXPECT_EQ(sBazar->list->Items.Items(), (std::vector<std::string>{"Тетрис - 1250 руб.", "Змейка - 2000 руб."}));

  sBazar->list->ItemIndex = 1;
  h.click(sBazar->sell);
  ASSERT_TRUE(ssgBuy->Visible);
  EXPECT_EQ(ssgBuy->game->Caption(), "Игра: Змейка");
  EXPECT_EQ(ssgBuy->price->Caption(), "Цена: 2000 руб.");
  h.answerEnter();
  h.click(ssgBuy->buy);
  EXPECT_EQ(h.messagesShown().back(), "Вы продали игру \"Змейка\" за 2000 руб.");
  EXPECT_EQ(Money(), 3000);
  EXPECT_EQ(engine->GamesForSale->Items.Items(), std::vector<std::string>{"Тетрис"});
  EXPECT_EQ(engine->GamePrices->Items.Items(), std::vector<std::string>{"1250"});
  ASSERT_TRUE(sBazar->Visible);  // back on the site, which loads again
  h.advance(5000);
  EXPECT_EQ(sBazar->list->Items.Items(), std::vector<std::string>{"Тетрис - 1250 руб."});

  // Refusing keeps the game; a sale window left over from an older list sells nothing.
  h.click(sBazar->sell);
  h.click(ssgBuy->cancel);
  EXPECT_EQ(engine->GamesForSale->Items.Count(), 1);
  sBazar->Hide();
  ssgBuy->Offer(5);
  ssgBuy->Show();
  h.answerEnter();
  h.click(ssgBuy->buy);
  EXPECT_EQ(h.messagesShown().back(), "Эта игра уже не продаётся.");
  EXPECT_EQ(Money(), 3000);
}
