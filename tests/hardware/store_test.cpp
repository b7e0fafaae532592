// The computer store: the chooser's ten buttons, the departments' shelves
// and captions, and the purchase a click on an item makes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "city/Play.h"
#include "city/Travel.h"
#include "engine/Class.h"
#include "hardware/Device.h"
#include "hardware/Dsel.h"
#include "hardware/HardwareHelpers.h"
#include "hardware/Shops.h"
#include "support/GameHarness.h"

using hardware_test::EnterPausedGame;
using hardware_test::Items;
using hardware_test::Money;
using hardware_test::Xp;
using testing_support::GameHarness;
using Strings = std::vector<std::string>;

namespace {

void OpenChooser() {
  EnterPausedGame();
  devsel->Show();
}

}  // namespace

TEST(StoreChooser, EveryButtonAndItsLabelOpenTheirDepartment) {
  GameHarness h;
  OpenChooser();
  struct Case {
    ui::Image* button;
    ui::Label* label;
    Tdepartment* department;
    const char* title;
  };
  const Case cases[] = {
      {devsel->mb1, devsel->mb1l, mbshop, "Отдел материнских плат Intel"},
      {devsel->mb2, devsel->mb2l, mbshop2, "Отдел материнских плат AMD"},
      {devsel->pr1, devsel->pr1l, prshop2, "Отдел процессоров Intel"},
      {devsel->pr2, devsel->pr2l, prshop, "Отдел процессоров AMD"},
      {devsel->ram, devsel->raml, rshop, "Отдел оперативной памяти"},
      {devsel->v1, devsel->v1l, vshop, "Отдел видео карт NVidia"},
      {devsel->v2, devsel->v2l, vshop2, "Отдел видео карт ATI"},
      {devsel->hdd, devsel->hddl, hshop, "Отдел винчестеров SATA-II"},
      {devsel->md, devsel->mdl, mdshop, "Отдел модемов"},
      {devsel->mn, devsel->mnl, mnshop, "Отдел мониторов LCD"},
  };
  for (const Case& c : cases) {
    for (ui::Control* control : {static_cast<ui::Control*>(c.button), static_cast<ui::Control*>(c.label)}) {
      h.clearSounds();
      h.click(control);
      EXPECT_TRUE(c.department->Visible) << c.title;
      EXPECT_FALSE(devsel->Visible) << c.title;
      EXPECT_EQ(c.department->top->Caption(), c.title);
      EXPECT_EQ(h.sounds(), Strings{"click.wav"});
      h.click(c.department->close);
      EXPECT_FALSE(c.department->Visible);
      EXPECT_TRUE(devsel->Visible);
      EXPECT_EQ(h.sounds().back(), "close.wav");
      // The release that ended the opening click reset every skin.
      for (ui::Image* b : devsel->Skins().Buttons()) EXPECT_EQ(GameHarness::skinOf(b), "menu_1.jpg");
    }
  }
  h.click(devsel->close);
  EXPECT_FALSE(devsel->Visible);
  EXPECT_TRUE(travel->Visible);
}

TEST(StoreChooser, ButtonLabelsAndSkins) {
  GameHarness h;
  OpenChooser();
  EXPECT_EQ(devsel->pr1l->Caption(), "Процессоры Intel");
  EXPECT_EQ(devsel->mnl->Caption(), "Мониторы LCD");
  EXPECT_EQ(devsel->Skins().Buttons().size(), 10u);
  h.moveTo(devsel->raml);
  EXPECT_EQ(GameHarness::skinOf(devsel->ram), "menu_2.jpg");
  h.moveTo(devsel->top);
  EXPECT_EQ(GameHarness::skinOf(devsel->ram), "menu_1.jpg");
  // A right press shows the pressed skin and does nothing.
  h.rightClick(devsel->hdd);
  EXPECT_TRUE(devsel->Visible);
  EXPECT_EQ(GameHarness::skinOf(devsel->hdd), "menu_1.jpg");
}

TEST(StoreDepartments, ShelvesStartWithTheLaterItemsHidden) {
  GameHarness h;
  struct Shelf {
    Tdepartment* department;
    std::vector<bool> visible;
  };
  const Shelf shelves[] = {
      {mbshop, {true, true, false}},         {mbshop2, {true, false, false}},     {prshop, {true, true, false, false}},
      {prshop2, {true, true, false, false}}, {rshop, {true, true, true, false}},  {vshop, {true, true, false, false}},
      {vshop2, {true, true, false, false}},  {hshop, {true, true, false, false}}, {mdshop, {true, false}},
      {mnshop, {true, false, false}},
  };
  for (const Shelf& s : shelves) {
    ASSERT_EQ(s.department->ItemCount(), static_cast<int>(s.visible.size())) << s.department->top->Caption();
    for (int i = 0; i < s.department->ItemCount(); ++i) {
      EXPECT_EQ(s.department->ItemPicture(i)->Visible(), s.visible[i]) << s.department->top->Caption() << " " << i;
      EXPECT_EQ(s.department->ItemLabel(i)->Visible(), s.visible[i]);
      EXPECT_EQ(s.department->ItemLabel(i)->Name(), s.department->ItemPicture(i)->Name() + "l");
    }
  }
  EXPECT_EQ(mbshop->mb3->Name(), "mb3");
  EXPECT_EQ(mbshop->ClientWidth(), 289);
  EXPECT_EQ(mbshop->ClientHeight(), 189);
  EXPECT_EQ(mbshop->mb2->Top(), 88);
  EXPECT_EQ(hshop->h4l->Name(), "h4l");
}

TEST(StoreDepartments, CaptionsAreNameDashPriceAndLatinP) {
  GameHarness h({.config = {{"Mb1i", "Плата"}, {"Mb1ic", "1234"}}});
  OpenChooser();
  h.click(devsel->mb1);
  EXPECT_EQ(mbshop->mb1l->Caption(), "Плата - 1234p.");
  EXPECT_EQ(mbshop->mb2l->Caption(), engine->Mb2i + " - " + std::to_string(engine->Mb2ic) + "p.");
  EXPECT_EQ(mbshop->mb3l->Caption(), engine->Mb3i + " - " + std::to_string(engine->Mb3ic) + "p.");
  EXPECT_EQ(GameHarness::skinOf(mbshop->mb1), "farm_1.jpg");
}

TEST(StoreDepartments, AClickOnAnItemOrItsLabelBuysItWithTheDepartmentsKind) {
  GameHarness h({.config = {{"Money", "100000"}}});
  OpenChooser();
  struct Case {
    ui::Image* openButton;
    Tdepartment* department;
    ui::ListBox* list;
    std::string name;
    int price;
  };
  const Case cases[] = {
      {devsel->mb1, mbshop, devset->mblist, engine->Mb1i, engine->Mb1ic},
      {devsel->mb2, mbshop2, devset->mblist, engine->Mb1a, engine->Mb1ac},
      {devsel->pr1, prshop2, devset->plist, engine->Pr1i, engine->Pr1ic},
      {devsel->pr2, prshop, devset->plist, engine->Pr1a, engine->Pr1ac},
      {devsel->ram, rshop, devset->rlist, engine->Ram1, engine->Ram1c},
      {devsel->v1, vshop, devset->vlist, engine->Vid1g, engine->Vid1gc},
      {devsel->v2, vshop2, devset->vlist, engine->Vid1a, engine->Vid1ac},
      {devsel->hdd, hshop, devset->hlist, engine->Hdd1, engine->Hdd1c},
      {devsel->md, mdshop, devset->mdlist, engine->Mod1, engine->Mod1c},
      {devsel->mn, mnshop, devset->mnlist, engine->Mon1, engine->Mon1c},
  };
  for (const Case& c : cases) {
    h.click(c.openButton);
    const int money = Money(), xp = Xp();
    const size_t before = c.list->Items.Count();
    h.clearSounds();
    h.answerEnter();
    h.click(c.department->ItemLabel(0));
    EXPECT_EQ(Money(), money - c.price) << c.name;
    EXPECT_EQ(Xp(), xp + 7);
    ASSERT_EQ(c.list->Items.Count(), static_cast<int>(before + 1));
    EXPECT_EQ(c.list->Items[c.list->Items.Count() - 1], c.name);
    EXPECT_EQ(h.sounds().front(), "click.wav");
    h.click(c.department->close);
  }
  EXPECT_EQ(Items(devset->plist), (Strings{engine->Pr1i, engine->Pr1a}));
  const auto log = h.logLines();
  EXPECT_EQ(std::count(log.begin(), log.end(), "Вызвана функция покупки устройства..."), 10);
}

TEST(StoreDepartments, SkinsOfTheItems) {
  GameHarness h;
  OpenChooser();
  h.click(devsel->hdd);
  h.moveTo(hshop->h2l);
  EXPECT_EQ(GameHarness::skinOf(hshop->h2), "farm_2.jpg");
  EXPECT_EQ(GameHarness::skinOf(hshop->h1), "farm_1.jpg");
  h.press(hshop->h1);
  EXPECT_EQ(GameHarness::skinOf(hshop->h1), "farm_3.jpg");
  EXPECT_EQ(GameHarness::skinOf(hshop->h2), "farm_1.jpg");
  h.answerEnter();
  h.release(hshop->h1);
  EXPECT_EQ(GameHarness::skinOf(hshop->h1), "farm_1.jpg");
  h.moveTo(hshop->h2);
  h.moveTo(hshop, 3, hshop->ClientHeight() - 3);
  EXPECT_EQ(GameHarness::skinOf(hshop->h2), "farm_1.jpg");
}

TEST(StoreDepartments, CashEqualToThePriceBuysNothing) {
  GameHarness h({.config = {{"Money", "900"}, {"Mod1c", "900"}}});
  OpenChooser();
  h.click(devsel->md);
  h.answerEnter();
  h.click(mdshop->m1);
  EXPECT_EQ(h.messagesShown(), Strings{"Ваших денег недостаточно!"});
  EXPECT_EQ(devset->mdlist->Items.Count(), 0);
  EXPECT_EQ(Money(), 900);
}
