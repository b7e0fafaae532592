// The software store: its departments' hidden items, captions from the
// catalogue, purchases through the engine (strict price test, one copy of a
// program), the hidden game behind Alt+T, and the way through the store.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "city/Play.h"
#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "software/Gameshop.h"
#include "software/Kshop.h"
#include "software/Osshop.h"
#include "software/Soft.h"
#include "software/Ssel.h"
#include "software/Textshop.h"
#include "support/GameHarness.h"

using testing_support::GameHarness;

namespace {

std::string LastMessage(const GameHarness& h) {
  return h.messagesShown().empty() ? std::string() : h.messagesShown().back();
}

// From the game screen (which fills its labels and pauses when it hides) to a screen.
void Open(ui::Form* form) {
  Form1->Hide();
  if (!engine->OnPlay) {
    menu->Show();
    menu->Hide();
  }
  form->Show();
}

}  // namespace

TEST(SoftwareStore, LaterItemsAreHiddenUntilReleased) {
  GameHarness h;
  for (ui::Control* c : std::vector<ui::Control*>{
           osshop->basic, osshop->basicl, osshop->ult,    osshop->ultl,    textshop->open, textshop->openl,
           textshop->ms,  textshop->msl,  kshop->ms,      kshop->msl,      kshop->del,     kshop->dell,
           kshop->php5,   kshop->php5l,   gameshop->gta,  gameshop->gtal,  gameshop->mm,   gameshop->mml,
           gameshop->aoe, gameshop->aoel, gameshop->fear, gameshop->fearl, gameshop->fifa, gameshop->fifal,
           gameshop->nfs, gameshop->nfsl, gameshop->tdu,  gameshop->tdul})
    EXPECT_FALSE(c->Visible) << c->Name();
  for (ui::Control* c : std::vector<ui::Control*>{osshop->home, osshop->pro, textshop->star, kshop->bcb, kshop->tp,
                                                  kshop->php4, gameshop->hl, gameshop->homm})
    EXPECT_TRUE(c->Visible) << c->Name();
}

TEST(SoftwareStore, CaptionsShowNameAndPriceAndAClickBuysOnlyWithMoreCashThanThePrice) {
  GameHarness h({.config = {{"Money", "2600"}, {"Os1", "Windows XP Home Edition"}, {"Os1c", "2500"}}});
  Open(osshop);
  EXPECT_EQ(osshop->homel->Caption(), "Windows XP Home Edition - 2500p.");
  const int xp = std::stoi(menu->xp->Caption());
  h.clearSounds();
  h.answerEnter();
  h.click(osshop->homel);
  EXPECT_EQ(LastMessage(h), "Вы купили операционную систему - Windows XP Home Edition");
  EXPECT_EQ(menu->money->Caption(), "100");
  EXPECT_EQ(std::stoi(menu->xp->Caption()), xp + 7);
  EXPECT_EQ(softset->nseted->Items.Items(), (std::vector<std::string>{"Windows XP Home Edition"}));
  EXPECT_EQ(h.sounds().front(), "click.wav");
  const std::vector<std::string> log = h.logLines();
  EXPECT_NE(std::find(log.begin(), log.end(), "Покупка программы..."), log.end());

  // A second copy is refused before any money is taken.
  menu->money->Caption = "5000";
  h.answerEnter();
  h.click(osshop->home);
  EXPECT_EQ(LastMessage(h), "У Вас уже есть эта программа!");
  EXPECT_EQ(menu->money->Caption(), "5000");
  EXPECT_EQ(softset->nseted->Items.Count(), 1);

  // The whole cash is not enough.
  menu->money->Caption = "4200";
  h.answerEnter();
  h.click(osshop->pro);
  EXPECT_EQ(LastMessage(h), "Ваших денег недостаточно!");
  EXPECT_EQ(menu->money->Caption(), "4200");
  EXPECT_EQ(softset->nseted->Items.Count(), 1);
}

TEST(SoftwareStore, EachDepartmentBuysItsKind) {
  GameHarness h({.config = {{"Money", "100000"}}});
  struct Case {
    ui::Form* department;
    ui::Control* item;
    std::string message;
  } const cases[] = {
      {textshop, textshop->star, "Вы купили офисный пакет - " + engine->Of1},
      {kshop, kshop->tpl, "Вы купили компилятор - " + engine->Kpas1},
      {gameshop, gameshop->homm, "Вы купили игру - " + engine->G2},
  };
  for (const Case& c : cases) {
    Open(c.department);
    h.answerEnter();
    h.click(c.item);
    EXPECT_EQ(LastMessage(h), c.message);
    c.department->Hide();
  }
  EXPECT_EQ(softset->nseted->Items.Items(), (std::vector<std::string>{engine->Of1, engine->Kpas1, engine->G2}));
}

TEST(SoftwareStore, AltTOpensTheHiddenGameOnlyWithAlt) {
  GameHarness h;
  Open(gameshop);
  h.key('T');
  EXPECT_FALSE(gameshop->tdu->Visible);
  h.answerEnter();
  h.key('T', ui::ssAlt);
  EXPECT_TRUE(gameshop->tdu->Visible);
  EXPECT_TRUE(gameshop->tdul->Visible);
  EXPECT_EQ(LastMessage(h), "Вы открыли скрытую игру Test Drive!");
  EXPECT_EQ(gameshop->tdul->Caption(), engine->G9 + " - 350p.");
}

TEST(SoftwareStore, ChooserOpensDepartmentsAndCloseLabelsLeadBack) {
  GameHarness h;
  Open(softsel);
  EXPECT_EQ(softsel->top->Caption(), "Магазин ПО");
  const std::pair<ui::Control*, ui::Form*> doors[] = {
      {softsel->os, osshop}, {softsel->textl, textshop}, {softsel->k, kshop}, {softsel->gamel, gameshop}};
  for (const auto& [button, department] : doors) {
    h.click(button);
    EXPECT_FALSE(softsel->Visible);
    EXPECT_TRUE(department->Visible) << department->Name();
    h.click(GameHarness::find<ui::Label>(department, "close"));
    EXPECT_FALSE(department->Visible);
    EXPECT_TRUE(softsel->Visible);
  }
  h.clearSounds();
  h.click(softsel->close);
  EXPECT_FALSE(softsel->Visible);
  EXPECT_TRUE(travel->Visible);
  EXPECT_EQ(h.sounds(), (std::vector<std::string>{"close.wav"}));
}
