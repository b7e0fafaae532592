// The travel screen: the fare, the car, the sanatorium, and the nine places
// it leads to.
#include "city/Travel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "city/Apteka.h"
#include "city/Avpath.h"
#include "city/Bank.h"
#include "city/Home.h"
#include "city/Ksalon.h"
#include "city/Play.h"
#include "city/Sanatory.h"
#include "city/Setka.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "hardware/Dsel.h"
#include "software/Ssel.h"
#include "support/GameHarness.h"

using testing_support::GameHarness;
using Strings = std::vector<std::string>;

namespace {

// From the running game screen by its travel button.
void Travel(GameHarness& h) {
  Form1->Hide();
  menu->Show();
  h.click(menu->trav);
  ASSERT_TRUE(travel->Visible);
}

int Money() { return std::stoi(menu->money->Caption()); }
int Xp() { return std::stoi(menu->xp->Caption()); }

}  // namespace

TEST(Travel, EveryPlaceOpensWithItsLogLineAndTheFare) {
  GameHarness h({.config = {{"Money", "1000"}}});
  struct Case {
    ui::Image* button;
    ui::Label* label;
    ui::Form* place;
    const char* log;
  };
  const Case cases[] = {
      {travel->comp, travel->compl_, devsel, "Поездка в компьютерный магазин..."},
      {travel->soft, travel->softl, softsel, "Поездка в софтверный магазин..."},
      {travel->hosp, travel->hospl, apteka, "Поездка в аптеку..."},
      {travel->avto, travel->avtol, avpath, "Поездка на авто рынок..."},
      {travel->bnk, travel->bnkl, bank, "Поездка в банк..."},
      {travel->salon, travel->salonl, ksalon, "Поездка в компьютерный салон..."},
      {travel->club, travel->clubl, setka, "Поездка в ночной клуб..."},
      {travel->house, travel->housel, home, "Поездка в агенство недвижимости..."},
  };
  Travel(h);
  int money = Money();
  for (const Case& c : cases) {
    const int xp = Xp();
    h.click(c.label);
    EXPECT_TRUE(c.place->Visible) << c.log;
    EXPECT_FALSE(travel->Visible);
    money -= 16;
    EXPECT_EQ(Money(), money);
    EXPECT_EQ(engine->Money, money);
    EXPECT_EQ(Xp(), xp + 2);
    const auto log = h.logLines();
    EXPECT_NE(std::find(log.begin(), log.end(), c.log), log.end());
    c.place->Hide();
    travel->Show();
  }
  EXPECT_EQ(travel->compl_->Name(), "compl");
  EXPECT_FALSE(menu->ttime->Enabled);  // the game stays paused in town
}

TEST(Travel, SixteenRoublesAreNotEnoughSeventeenLeaveOne) {
  {
    GameHarness h({.config = {{"Money", "16"}}});
    Travel(h);
    h.answerEnter();
    h.click(travel->comp);
    EXPECT_EQ(h.messagesShown(), Strings{"У Вас недостаточно денег на поездку!"});
    EXPECT_TRUE(travel->Visible);
    EXPECT_FALSE(devsel->Visible);
    EXPECT_EQ(Money(), 16);
    EXPECT_EQ(h.logLines().back(), "Поездка в компьютерный магазин...");
  }
  {
    GameHarness h({.config = {{"Money", "17"}}});
    Travel(h);
    h.click(travel->comp);
    EXPECT_EQ(Money(), 1);
    EXPECT_TRUE(devsel->Visible);
  }
}

TEST(Travel, ByCarTheTripIsFreeAndGivesOnePoint) {
  GameHarness h({.config = {{"Money", "0"}, {"Car", "1"}}});
  Travel(h);
  const int xp = Xp();
  h.click(travel->bnk);
  EXPECT_TRUE(bank->Visible);
  EXPECT_EQ(Money(), 0);
  EXPECT_EQ(Xp(), xp + 1);
  EXPECT_TRUE(h.messagesShown().empty());
}

TEST(Travel, TheSanatoriumIsReachedWithoutMoneyFareOrExperience) {
  GameHarness h({.config = {{"Money", "0"}}});
  Travel(h);
  const int xp = Xp();
  h.click(travel->sanl);
  EXPECT_TRUE(sanatory->Visible);
  EXPECT_FALSE(travel->Visible);
  EXPECT_EQ(Money(), 0);
  EXPECT_EQ(Xp(), xp);
  EXPECT_EQ(h.logLines().back(), "Поездка в санаторий...");
}

TEST(Travel, ExperienceComesAfterThePlaceIsShown) {
  GameHarness h;
  Travel(h);
  int xpWhenShown = -1;
  devsel->OnShow = [&](ui::Control&) { xpWhenShown = Xp(); };  // the chooser has no show handler of its own
  const int xp = Xp();
  h.click(travel->comp);
  EXPECT_EQ(xpWhenShown, xp);
  EXPECT_EQ(Xp(), xp + 2);
}

TEST(Travel, CloseGoesHomeAndTheGameRunsAgain) {
  GameHarness h;
  Travel(h);
  EXPECT_EQ(travel->change->Caption(), "*** проезд 8 руб.");
  h.click(travel->close);
  EXPECT_FALSE(travel->Visible);
  EXPECT_TRUE(menu->Visible);
  EXPECT_TRUE(menu->ttime->Enabled);
  EXPECT_EQ(h.sounds().back(), "close.wav");
}

TEST(Travel, SkinsFollowTheMouseAndResetOnShow) {
  GameHarness h;
  Travel(h);
  h.moveTo(travel->clubl);
  EXPECT_EQ(GameHarness::skinOf(travel->club), "bnk_2.jpg");
  travel->Hide();
  travel->Show();
  for (ui::Image* b : travel->Skins().Buttons()) EXPECT_EQ(GameHarness::skinOf(b), "bnk_1.jpg");
  EXPECT_EQ(travel->Skins().Buttons().size(), 9u);
  EXPECT_EQ(travel->compl_->Font.Color(), ui::clBlack);
}
