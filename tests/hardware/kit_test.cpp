// The game screen's Alt+S kit, bought and built into a working computer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "city/Play.h"
#include "engine/Class.h"
#include "hardware/Computer.h"
#include "hardware/Device.h"
#include "road/RoadHelpers.h"
#include "support/GameHarness.h"

using testing_support::GameHarness;
using Strings = std::vector<std::string>;

namespace {
int Money() { return std::stoi(menu->money->Caption()); }
}  // namespace

TEST(AltSKit, BuysTheSixPartsInOrderAndTheyMakeAWorkingComputer) {
  GameHarness h({.config = {{"Money", "20000"}}});
  road::StartGame(h);
  ASSERT_TRUE(menu->Visible);
  const int xp = std::stoi(menu->xp->Caption());
  h.answerEnter(6);
  h.key('S', ui::ssAlt);
  EXPECT_EQ(h.messagesShown(),
            (Strings{"Вы купили жесткий диск - " + engine->Hdd2, "Вы купили материнскую плату - " + engine->Mb1i,
                     "Вы купили монитор - " + engine->Mon1, "Вы купили процессор - " + engine->Pr1i,
                     "Вы купили ОЗУ - " + engine->Ram1, "Вы купили видео карту - " + engine->Vid1g}));
  EXPECT_EQ(Money(), 20000 - 2400 - 1780 - 4000 - 2100 - 680 - 3400);
  EXPECT_EQ(std::stoi(menu->xp->Caption()), xp + 6 * 7);

  h.click(menu->computer);
  EXPECT_FALSE(engine->Computer);
  h.click(comp->device);
  struct Step {
    ui::TabSheet* tab;
    ui::ListBox* list;
    ui::Image* insert;
  };
  for (const Step& s :
       {Step{devset->mb, devset->mblist, devset->mbget}, Step{devset->pr, devset->plist, devset->pget},
        Step{devset->rm, devset->rlist, devset->rget}, Step{devset->vc, devset->vlist, devset->vget},
        Step{devset->h, devset->hlist, devset->hget}, Step{devset->mn, devset->mnlist, devset->mnget}}) {
    devset->lists->ActivePage = s.tab;
    s.list->ItemIndex = 0;
    h.click(s.insert);
    EXPECT_EQ(s.list->Items.Count(), 0) << s.tab->Caption();
  }
  h.click(devset->close);
  EXPECT_TRUE(comp->Visible);
  EXPECT_TRUE(engine->Computer);
  EXPECT_TRUE(comp->program->Enabled);
  h.click(comp->close);
  EXPECT_TRUE(menu->dev->Enabled);  // the game screen now offers development
  EXPECT_TRUE(h.unanswered().empty());
}

TEST(AltSKit, EachPurchaseSucceedsOrFailsByItself) {
  GameHarness h;  // 5000 roubles
  road::StartGame(h);
  h.answerEnter(6);
  h.key('S', ui::ssAlt);
  EXPECT_EQ(h.messagesShown(),
            (Strings{"Вы купили жесткий диск - " + engine->Hdd2, "Вы купили материнскую плату - " + engine->Mb1i,
                     "Ваших денег недостаточно!", "Ваших денег недостаточно!", "Вы купили ОЗУ - " + engine->Ram1,
                     "Ваших денег недостаточно!"}));
  EXPECT_EQ(Money(), 5000 - 2400 - 1780 - 680);
  EXPECT_EQ(devset->mnlist->Items.Count(), 0);
  EXPECT_EQ(devset->plist->Items.Count(), 0);
  EXPECT_EQ(devset->vlist->Items.Count(), 0);
}
