// The bank: the credit at its listed amounts, the deadline five months on
// (and on the last day of a shorter month), the deadline watch that forces
// the repayment from any screen, and every refusal changing nothing.
#include "city/Bank.h"

#include <gtest/gtest.h>

#include "city/CityHelpers.h"
#include "city/Give.h"
#include "city/Sanatory.h"
#include "city/Take.h"
#include "hardware/Computer.h"

using namespace city_test;

namespace {

HarnessOptions Rich() { return With({{"Money", "100000"}, {"Car", "1"}, {"Home", "3"}, {"MaxFun", "100"}}); }

// From the game screen to the bank's credit window.
void ToCreditWindow(GameHarness& h) {
  GoTo(h, travel->bnk);
  ASSERT_TRUE(bank->Visible);
  h.click(bank->takel);
  ASSERT_TRUE(take->Visible);
}

// Empties the amount field with Backspace and types the text.
void Enter(GameHarness& h, const std::string& text) {
  ASSERT_TRUE(take->Visible);
  h.click(take->size);
  h.key(ui::VK_END);
  for (int i = 0; i < 30 && !take->size->Text().empty(); ++i) h.key(ui::VK_BACK);
  ASSERT_EQ(take->size->Text(), "");
  h.type(text);
  h.advance(1);  // the take button follows the field
}

void SetDate(const char* day, const char* month) {
  menu->day->Caption = day;
  menu->month->Caption = month;
}

}  // namespace

TEST(BankCredit, DebtAndExperienceAtTheListedAmountsAndTheRepayment) {
  GameHarness h(Rich());
  struct Case {
    int amount, debt, takeXp, repayXp;
  };
  const Case cases[] = {{1, 1, 5, 5},        {99, 99, 5, 5},       {100, 130, 5, 5},      {199, 229, 5, 5},
                        {5000, 6500, 5, 10}, {5001, 6501, 10, 10}, {10000, 13000, 10, 10}};
  ToCreditWindow(h);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amount);
    SetMood(50);
    const int money = Money(), xp = Xp();
    Enter(h, std::to_string(c.amount));
    h.click(take->okl);
    EXPECT_FALSE(take->Visible);
    EXPECT_EQ(take->size->Text(), "0");
    ASSERT_TRUE(bank->Visible);
    EXPECT_TRUE(bank->givea->Enabled);
    EXPECT_FALSE(bank->takea->Enabled);
    EXPECT_EQ(Money(), money + c.amount);
    EXPECT_EQ(engine->Dolg, c.debt);
    EXPECT_TRUE(engine->Duty);
    EXPECT_EQ(Mood(), 55);
    EXPECT_EQ(Xp(), xp + c.takeXp);
    EXPECT_TRUE(take->btime->Enabled);

    h.click(bank->givel);
    ASSERT_TRUE(give->Visible);
    EXPECT_EQ(give->size->Caption(), std::to_string(c.debt));
    h.click(give->ok);
    EXPECT_FALSE(give->Visible);
    EXPECT_TRUE(bank->Visible);
    EXPECT_EQ(Money(), money + c.amount - c.debt);
    EXPECT_EQ(engine->Money, Money());
    EXPECT_EQ(engine->Dolg, 0);
    EXPECT_FALSE(engine->Duty);
    EXPECT_EQ(engine->Bmonth, "");
    EXPECT_EQ(engine->Bday, 0);
    EXPECT_EQ(give->srok->Caption(), "----");
    EXPECT_EQ(Mood(), 60);
    EXPECT_EQ(Xp(), xp + c.takeXp + c.repayXp);
    EXPECT_TRUE(bank->takea->Enabled);
    EXPECT_FALSE(bank->givea->Enabled);
    h.click(bank->takea);
  }
  EXPECT_TRUE(h.messagesShown().empty());
  EXPECT_FALSE(menu->ttime->Enabled);  // the bank is used with the game paused
}

TEST(BankCredit, TheDeadlineIsFiveMonthNamesOnTheLastDayOfAShorterMonth) {
  GameHarness h(Rich());
  ToCreditWindow(h);
  struct Case {
    const char* day;
    const char* month;
    const char* deadline;
    const char* dueMonth;
    int dueDay;
  };
  const Case cases[] = {
      {"2", "Сентябрь", "Февраль, 2", "Февраль", 2},    {"2", "Январь", "Июнь, 2", "Июнь", 2},
      {"15", "Август", "Январь, 15", "Январь", 15},     {"31", "Январь", "Июнь, 30", "Июнь", 30},
      {"30", "Сентябрь", "Февраль, 29", "Февраль", 29}, {"31", "Октябрь", "Март, 31", "Март", 31},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.deadline);
    SetDate(c.day, c.month);
    Enter(h, "250");
    h.click(take->ok);
    EXPECT_EQ(take->srok->Caption(), c.deadline);
    EXPECT_EQ(give->srok->Caption(), c.deadline);
    EXPECT_EQ(engine->Bmonth, c.dueMonth);
    EXPECT_EQ(engine->Bday, c.dueDay);
    engine->Duty = false;
    bank->Hide();
    bank->Show();
    h.click(bank->takea);
  }
}

// A credit taken on 31 January falls due on 30 June, which the calendar
// shows: the watch forces the repayment on that day.
TEST(BankCredit, ACreditFromTheThirtyFirstComesDueOnTheLastDayOfJune) {
  GameHarness h(Rich());
  ToCreditWindow(h);
  SetDate("31", "Январь");
  Enter(h, "100");
  h.click(take->ok);
  h.click(bank->exit);
  h.click(travel->close);
  ASSERT_TRUE(menu->Visible);
  SetDate("29", "Июнь");
  h.answerModal([&h](ui::Form& modal) {
    EXPECT_EQ(&modal, give);
    EXPECT_EQ(menu->day->Caption(), "30");
    EXPECT_TRUE(give->Forced);
    EXPECT_FALSE(menu->Visible);
    h.click(give->ok);
  });
  h.advance(1600);  // one game day: 30 June, and the watch
  EXPECT_EQ(engine->Dolg, 0);
}

TEST(BankCredit, TheWatchForcesTheRepaymentFromAnyScreenAndAfterAMessage) {
  GameHarness h(Rich());
  ToCreditWindow(h);
  Enter(h, "250");
  h.click(take->ok);
  EXPECT_EQ(engine->Dolg, 310);
  h.click(bank->exitl);
  h.click(travel->close);
  ASSERT_TRUE(menu->ttime->Enabled);

  // Off the game screen, on the computer screen.
  h.click(menu->computer);
  ASSERT_TRUE(comp->Visible);
  SetDate("1", "Февраль");
  h.advance(1000);
  EXPECT_FALSE(give->Visible);
  SetDate("2", "Февраль");
  h.answerModal([&h](ui::Form& modal) {
    EXPECT_EQ(&modal, give);
    EXPECT_TRUE(give->Forced);
    EXPECT_FALSE(give->close->Enabled);
    EXPECT_EQ(give->size->Caption(), "310");
    EXPECT_EQ(give->srok->Caption(), "Февраль, 2");
    EXPECT_FALSE(take->btime->Enabled);
    EXPECT_FALSE(menu->ttime->Enabled);
    h.click(give->close);  // disabled: nothing happens
    EXPECT_TRUE(give->Visible);
    // Paid: back to the lobby.
    h.click(give->okl);
  });
  h.advance(100);
  // The close label alive, and no longer forced.
  EXPECT_FALSE(give->Visible);
  EXPECT_TRUE(bank->Visible);
  EXPECT_TRUE(give->close->Enabled);
  EXPECT_FALSE(give->Forced);
  comp->Hide();

  // A second credit; its deadline comes while a message window is up on the
  // running game screen: the message stays on top and keeps the keyboard,
  // the date stays on the deadline, and the repayment follows the message.
  h.click(bank->takea);
  SetDate("10", "Март");
  Enter(h, "1000");
  h.click(take->ok);
  bank->Hide();
  menu->Show();
  ASSERT_TRUE(menu->ttime->Enabled);
  SetDate("10", "Август");
  h.answerModal([&h](ui::Form& modal) {
    h.advance(3000);
    EXPECT_FALSE(give->Visible);
    EXPECT_EQ(h.app().ActiveModal(), &modal);
    EXPECT_EQ(menu->day->Caption(), "10");
    h.key(ui::VK_RETURN);
  });
  engine->ShowInfoMessage("Проверка");
  EXPECT_FALSE(give->Visible);
  h.answerModal([&h](ui::Form& modal) {
    EXPECT_EQ(&modal, give);
    EXPECT_TRUE(give->Forced);
    EXPECT_FALSE(menu->Visible);
    h.click(give->ok);
  });
  h.advance(100);
  EXPECT_EQ(engine->Dolg, 0);
}

// A voluntary visit after a paid forced repayment is an ordinary one: a
// failed payment costs mood and the game goes on.
TEST(BankCredit, AfterAForcedRepaymentAFailedVoluntaryOneOnlyCostsMood) {
  GameHarness h(Rich());
  ToCreditWindow(h);
  Enter(h, "100");
  h.click(take->ok);
  h.click(bank->exit);
  h.click(travel->close);
  SetDate("2", "Февраль");
  h.answerModal([&h](ui::Form&) {
    EXPECT_TRUE(give->Forced);
    h.click(give->ok);
  });
  h.advance(100);
  ASSERT_TRUE(bank->Visible);
  h.click(bank->takea);
  Enter(h, "10000");
  h.click(take->ok);
  h.click(bank->givea);
  SetMoney(13000);
  SetMood(50);
  h.answerEnter();
  h.click(give->ok);
  EXPECT_EQ(h.messagesShown().back(), "Вам не удалось отдать долг банку, потому что Вы не накопили нужной суммы!");
  EXPECT_FALSE(h.app().Terminated());
  EXPECT_EQ(Mood(), 45);
  EXPECT_TRUE(give->Visible);
  EXPECT_EQ(engine->Dolg, 13000);
  h.click(give->close);
  EXPECT_TRUE(bank->Visible);  // not the game screen
}

// A forced repayment is left only by paying, from whichever screen it came
// on. A stay in the sanatorium that lands on the deadline: the stay's own
// message is answered first, then the repayment comes over the sanatorium,
// which takes no click meanwhile, and the game stays paused although the stay
// had resumed it. Paid, the lobby offers only a new credit. Then the same
// from the computer screen, whose close label would lead back to the game.
TEST(BankCredit, AForcedRepaymentIsLeftOnlyByPayingFromTheSanatoriumOrTheComputerScreen) {
  GameHarness h(Rich());
  ToCreditWindow(h);
  SetDate("2", "Сентябрь");
  Enter(h, "250");
  h.click(take->ok);
  h.click(bank->exit);
  h.click(travel->san);
  SetDate("2", "Январь");
  h.answerModal([&h](ui::Form& modal) {
    EXPECT_EQ(&modal, mes);
    h.advance(500);  // the deadline has come with the stay
    EXPECT_FALSE(give->Visible);
    EXPECT_EQ(h.app().ActiveModal(), mes);
    h.key(ui::VK_RETURN);
  });
  h.answerModal([&h](ui::Form& modal) {
    EXPECT_EQ(&modal, give);
    EXPECT_TRUE(give->Forced);
    EXPECT_FALSE(give->close->Enabled);
    EXPECT_FALSE(menu->ttime->Enabled);
    EXPECT_FALSE(engine->OnGame);
    h.click(sanatory->close);
    EXPECT_TRUE(sanatory->Visible);
    EXPECT_FALSE(travel->Visible);
    h.click(give->close);
    h.advance(4500);
    EXPECT_TRUE(give->Visible);
    EXPECT_EQ(menu->day->Caption(), "2");
    EXPECT_EQ(menu->month->Caption(), "Февраль");
    h.click(give->ok);
  });
  h.click(sanatory->go);
  ASSERT_EQ(h.messagesShown().size(), 1u);
  EXPECT_EQ(h.messagesShown()[0],
            "Поздравляем! Вы прошли полный курс лечения в санаториe, теперь Ваше здоровье в отличной форме!");
  h.advance(100);
  ASSERT_EQ(h.messagesShown().size(), 2u);
  ASSERT_EQ(engine->Dolg, 0);
  EXPECT_FALSE(give->Visible);
  EXPECT_TRUE(bank->Visible);
  EXPECT_TRUE(bank->takea->Enabled);
  EXPECT_TRUE(bank->takel->Enabled);
  EXPECT_FALSE(bank->givea->Enabled);
  EXPECT_FALSE(bank->givel->Enabled);
  EXPECT_FALSE(menu->ttime->Enabled);
  const int money = Money(), mood = Mood(), xp = Xp();
  h.click(bank->givel);
  EXPECT_FALSE(give->Visible);
  EXPECT_EQ(Money(), money);
  EXPECT_EQ(Mood(), mood);
  EXPECT_EQ(Xp(), xp);

  // A second credit, due on the computer screen.
  sanatory->Hide();
  h.click(bank->takel);
  SetDate("3", "Март");
  Enter(h, "1000");
  h.click(take->ok);
  h.click(bank->exit);
  h.click(travel->close);
  h.click(menu->computer);
  ASSERT_TRUE(comp->Visible);
  SetDate("3", "Август");
  h.answerModal([&h](ui::Form& modal) {
    EXPECT_EQ(&modal, give);
    h.click(comp->close);
    EXPECT_TRUE(comp->Visible);
    EXPECT_FALSE(menu->Visible);
    h.advance(4500);
    EXPECT_FALSE(menu->ttime->Enabled);
    EXPECT_EQ(menu->day->Caption(), "3");
    h.click(give->okl);
  });
  h.advance(100);
  EXPECT_EQ(engine->Dolg, 0);
  EXPECT_TRUE(bank->Visible);
  EXPECT_FALSE(menu->Visible);
}

// The window manager's close (Alt+F4) leaves a forced repayment up, whether
// the deadline came on the game screen or on the travel screen: still
// forced, the debt kept, and paying afterwards clears it as ever.
TEST(BankCredit, TheWindowManagersCloseLeavesAForcedRepaymentUp) {
  GameHarness h(Rich());
  // The close is answered first; the window, still waiting, gets the second
  // answer: paying.
  auto closeThenPay = [&h](ui::Form* beneath) {
    h.answerModal([&h, beneath](ui::Form& modal) {
      ASSERT_EQ(&modal, give);
      h.clearSounds();
      h.closeWindow(give);
      h.closeWindow(beneath);  // deaf under the repayment
    });
    h.answerModal([&h, beneath](ui::Form& modal) {
      ASSERT_EQ(&modal, give);
      EXPECT_TRUE(give->Visible);
      EXPECT_TRUE(give->Forced);
      EXPECT_FALSE(give->close->Enabled);
      EXPECT_NE(engine->Dolg, 0);
      EXPECT_TRUE(engine->Duty);
      EXPECT_EQ(beneath->Visible, beneath != menu);
      EXPECT_TRUE(h.sounds().empty());
      h.click(give->okl);
    });
  };

  // Due on the game screen.
  ToCreditWindow(h);
  Enter(h, "250");
  h.click(take->ok);
  h.click(bank->exit);
  h.click(travel->close);
  ASSERT_TRUE(menu->Visible);
  closeThenPay(menu);
  SetDate("2", "Февраль");
  h.advance(100);
  EXPECT_EQ(engine->Dolg, 0);
  EXPECT_FALSE(give->Forced);
  EXPECT_TRUE(give->close->Enabled);
  EXPECT_FALSE(give->Visible);
  EXPECT_TRUE(bank->Visible);

  // Due on the travel screen.
  h.click(bank->takel);
  SetDate("3", "Март");
  Enter(h, "1000");
  h.click(take->ok);
  h.click(bank->exit);
  ASSERT_TRUE(travel->Visible);
  closeThenPay(travel);
  SetDate("3", "Август");
  h.advance(100);
  EXPECT_EQ(engine->Dolg, 0);
  EXPECT_FALSE(engine->Duty);
  EXPECT_FALSE(give->Forced);
  EXPECT_TRUE(bank->Visible);
  EXPECT_FALSE(h.app().Terminated());
}

TEST(BankCredit, RepaymentNeedsOneRoubleMoreThanTheDebt) {
  GameHarness h(Rich());
  ToCreditWindow(h);
  Enter(h, "199");
  h.click(take->ok);
  h.click(bank->givea);
  SetMoney(229);
  SetMood(20);
  h.answerEnter();
  h.click(give->ok);
  EXPECT_EQ(Money(), 229);
  EXPECT_EQ(Mood(), 15);
  EXPECT_TRUE(engine->Duty);
  SetMoney(230);
  h.click(give->okl);
  EXPECT_EQ(Money(), 1);
  EXPECT_FALSE(engine->Duty);
}

TEST(BankCredit, AForcedRepaymentWithoutTheMoneyEndsTheGame) {
  GameHarness h(Rich());
  ToCreditWindow(h);
  Enter(h, "10000");
  h.click(take->ok);
  SetMoney(13000);
  SetDate("2", "Февраль");
  h.answerModal([&h](ui::Form&) {
    EXPECT_TRUE(give->Forced);
    h.click(give->ok);
  });
  h.answerEnter();
  h.advance(100);
  EXPECT_EQ(h.messagesShown().back(),
            "Вам не удалось отдать долг банку, потому что Вы не накопили нужной суммы! Игра закончена!");
  EXPECT_TRUE(h.app().Terminated());
  const auto log = h.logLines();
  EXPECT_NE(std::find(log.begin(), log.end(), "Завершение игры, как terminate()"), log.end());
}

TEST(BankCredit, AmountsOutOfRangeAndTextThatIsNoNumberChangeNothing) {
  GameHarness h(Rich());
  ToCreditWindow(h);
  const int money = Money(), xp = Xp();
  auto unchanged = [&] {
    EXPECT_EQ(Money(), money);
    EXPECT_EQ(Xp(), xp);
    EXPECT_FALSE(engine->Duty);
    EXPECT_EQ(engine->Dolg, 0);
    EXPECT_FALSE(take->btime->Enabled);
    EXPECT_TRUE(take->Visible);
    EXPECT_EQ(take->srok->Caption(), "_____");
  };

  // Typed letters and signs never reach the field.
  Enter(h, "1a2-3 б");
  EXPECT_EQ(take->size->Text(), "123");
  // An empty field leaves the take button dead.
  Enter(h, "");
  EXPECT_FALSE(take->ok->Enabled);
  EXPECT_FALSE(take->okl->Enabled);
  Enter(h, "0");
  EXPECT_TRUE(take->ok->Enabled);
  h.clearSounds();
  h.click(take->ok);
  EXPECT_EQ(h.sounds(), std::vector<std::string>{"click.wav"});
  unchanged();

  Enter(h, "10001");
  h.answerModal([&h](ui::Form& modal) {
    h.click(take->ok);  // the credit window is beneath the message: no second click
    modal.ModalResult = ui::mrOk;
  });
  h.click(take->ok);
  EXPECT_EQ(h.messagesShown(), std::vector<std::string>{"Слишком большая сумма!"});
  unchanged();

  // Ctrl+V is a typed control character, and the digits filter drops it.
  h.backend().SetClipboard("77");
  Enter(h, "");
  h.key('V', ui::ssCtrl);
  h.advance(1);
  EXPECT_EQ(take->size->Text(), "");
  EXPECT_FALSE(take->ok->Enabled);

  // Shift+Insert puts the text in as it is: a negative amount is refused by
  // the range test, text that is no 32-bit number by the conversion's own
  // report, and the game goes on.
  h.backend().SetClipboard("-5");
  Enter(h, "");
  h.key(ui::VK_INSERT, ui::ssShift);
  h.advance(1);
  ASSERT_EQ(take->size->Text(), "-5");
  h.answerEnter();
  h.click(take->ok);
  EXPECT_EQ(h.messagesShown().back(), "Введите положительное число!");
  unchanged();
  for (const char* pasted : {"abc", "1e3", "4294967296", "99999999999"}) {
    SCOPED_TRACE(pasted);
    h.backend().SetClipboard(pasted);
    Enter(h, "");
    h.key(ui::VK_INSERT, ui::ssShift);
    h.advance(1);
    ASSERT_EQ(take->size->Text(), pasted);
    const size_t reports = h.exceptions().size();
    h.click(take->ok);
    EXPECT_EQ(h.exceptions().size(), reports + 1);
    unchanged();
  }
  EXPECT_EQ(h.messagesShown().size(), 2u);
  EXPECT_FALSE(h.app().Terminated());
}

TEST(BankCredit, TheLobbyOffersWhatTheDebtAllowsAndClosingTheCreditWindowResetsTheAmount) {
  GameHarness h(With({{"Car", "1"}, {"Duty", "1"}, {"Dolg", "500"}}));
  GoTo(h, travel->bnk);
  EXPECT_TRUE(bank->givel->Enabled);
  EXPECT_FALSE(bank->takel->Enabled);
  // A debt from the start has no deadline watch until a credit is taken.
  EXPECT_FALSE(take->btime->Enabled);
  h.click(bank->givel);
  EXPECT_EQ(give->size->Caption(), "500");
  h.clearSounds();
  h.click(give->close);
  EXPECT_EQ(h.sounds(), std::vector<std::string>{"close.wav"});
  EXPECT_TRUE(bank->Visible);

  engine->Duty = false;
  bank->Hide();
  bank->Show();
  h.click(bank->takel);
  Enter(h, "77");
  h.click(take->close);
  EXPECT_TRUE(bank->Visible);
  EXPECT_EQ(take->size->Text(), "0");
  // The take button follows the field at once: no time passes here.
  h.click(bank->takel);
  h.click(take->size);
  h.key(ui::VK_BACK);
  EXPECT_FALSE(take->okl->Enabled);
  h.type("5");
  EXPECT_TRUE(take->okl->Enabled);
}
