// Buying parts into the inventory and putting them into the computer: the
// purchase rule, the install rules and the device manager that calls them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "city/Play.h"
#include "engine/Class.h"
#include "hardware/Computer.h"
#include "hardware/Device.h"
#include "hardware/HardwareHelpers.h"
#include "software/Setupedsoft.h"
#include "software/Soft.h"
#include "support/GameHarness.h"

using hardware_test::EnterPausedGame;
using hardware_test::Items;
using hardware_test::Money;
using hardware_test::Xp;
using testing_support::GameHarness;
using Strings = std::vector<std::string>;

namespace {

int Count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

// Clicks a control of the device manager on its own tab, which is chosen first.
void ClickOnTab(GameHarness& h, ui::Control* control) {
  for (ui::Control* c = control; c != nullptr; c = c->Parent()) {
    if (auto* tab = dynamic_cast<ui::TabSheet*>(c)) devset->lists->ActivePage = tab;
  }
  h.click(control);
}

// Selects an entry of a list and clicks a button, as the player does.
void InsertEntry(GameHarness& h, ui::ListBox* list, int index, ui::Image* button) {
  list->ItemIndex = index;
  ClickOnTab(h, button);
}

}  // namespace

// --- the purchase rule ---

TEST(BuyDevice, PriceEqualToTheCashIsRefusedAndNothingIsAdded) {
  GameHarness h({.config = {{"Money", "1780"}}});
  EnterPausedGame();
  const int xp = Xp();
  h.answerEnter();
  engine->BuyDevice(1780, engine->Mb1i, "материнская плата");
  EXPECT_EQ(h.messagesShown(), Strings{"Ваших денег недостаточно!"});
  EXPECT_EQ(Money(), 1780);
  EXPECT_EQ(Xp(), xp);
  EXPECT_EQ(devset->mblist->Items.Count(), 0);
  EXPECT_EQ(h.logLines().back(), "Вызвана функция покупки устройства...");
}

TEST(BuyDevice, OneRoubleMoreBuysTheListGetsTheNameThenTheMessageThenExperience) {
  GameHarness h({.config = {{"Money", "1781"}}});
  EnterPausedGame();
  const int xp = Xp();
  int xpDuringMessage = -1;
  h.answerModal([&](ui::Form&) {
    xpDuringMessage = Xp();
    EXPECT_EQ(Items(devset->mblist), Strings{engine->Mb1i});  // the entry is there before the message
    h.key(ui::VK_RETURN);
  });
  engine->BuyDevice(1780, engine->Mb1i, "материнская плата");
  EXPECT_EQ(h.messagesShown(), Strings{"Вы купили материнскую плату - " + engine->Mb1i});
  EXPECT_EQ(xpDuringMessage, xp);
  EXPECT_EQ(Xp(), xp + 7);
  EXPECT_EQ(Money(), 1);
  const auto sounds = h.sounds();
  EXPECT_NE(std::find(sounds.begin(), sounds.end(), "mes.wav"), sounds.end());
}

TEST(BuyDevice, FromTheRunningGameScreenThePauseComesAfterTheMessageAndTheExperience) {
  GameHarness h;
  Form1->Hide();
  menu->Show();
  ASSERT_TRUE(menu->ttime->Enabled);
  bool clockRanDuringMessage = false;
  h.answerModal([&](ui::Form&) {
    clockRanDuringMessage = menu->ttime->Enabled;
    h.key(ui::VK_RETURN);
  });
  const int xp = Xp();
  engine->BuyDevice(engine->Pr1ic, engine->Pr1i, "процессор");
  EXPECT_TRUE(clockRanDuringMessage);  // the information message does not pause
  EXPECT_EQ(Xp(), xp + 7);
  EXPECT_FALSE(menu->ttime->Enabled);  // the purchase ends with the pause
  EXPECT_FALSE(menu->tfun->Enabled);
}

TEST(BuyDevice, EveryKindGoesToItsOwnListWithItsOwnMessage) {
  GameHarness h({.config = {{"Money", "100000"}}});
  EnterPausedGame();
  struct Case {
    const char* kind;
    ui::ListBox* list;
    const char* message;
  };
  const Case cases[] = {
      {"материнская плата", devset->mblist, "Вы купили материнскую плату - "},
      {"процессор", devset->plist, "Вы купили процессор - "},
      {"озу", devset->rlist, "Вы купили ОЗУ - "},
      {"видео", devset->vlist, "Вы купили видео карту - "},
      {"модем", devset->mdlist, "Вы купили модем - "},
      {"винчестер", devset->hlist, "Вы купили жесткий диск - "},
      {"монитор", devset->mnlist, "Вы купили монитор - "},
  };
  int money = Money();
  for (const Case& c : cases) {
    h.answerEnter();
    engine->BuyDevice(100, std::string("Деталь ") + c.kind, c.kind);
    money -= 100;
    EXPECT_EQ(h.messagesShown().back(), std::string(c.message) + "Деталь " + c.kind);
    EXPECT_EQ(Items(c.list), Strings{std::string("Деталь ") + c.kind}) << c.kind;
  }
  EXPECT_EQ(Money(), money);
}

TEST(BuyDevice, TheSamePartTwiceMakesTwoEntries) {
  GameHarness h;
  EnterPausedGame();
  h.answerEnter(2);
  engine->BuyDevice(10, engine->Ram1, "озу");
  engine->BuyDevice(10, engine->Ram1, "озу");
  EXPECT_EQ(Items(devset->rlist), (Strings{engine->Ram1, engine->Ram1}));
}

TEST(BuyDevice, AnUnknownKindSellsNothingAndTakesNoMoney) {
  GameHarness h;
  EnterPausedGame();
  const int money = Money(), xp = Xp();
  engine->BuyDevice(100, "Клавиатура", "клавиатура");
  EXPECT_EQ(Money(), money);
  EXPECT_EQ(Xp(), xp);
  EXPECT_TRUE(h.messagesShown().empty());
}

// --- installing and ejecting in the device manager ---

class DeviceManager : public ::testing::Test {
 protected:
  void Open(GameHarness& h) {
    EnterPausedGame();
    devset->Show();
    h.pump();
  }
};

TEST_F(DeviceManager, OpensOnTheModemTabAndShowsTheStartConfiguration) {
  GameHarness h({.config = {{"Processor", "Intel Pentium D 820"}, {"Intel", "1"}}});
  Open(h);
  EXPECT_EQ(devset->lists->ActivePage(), devset->md);
  EXPECT_EQ(devset->lists->PageCount(), 7);
  const char* captions[] = {"Процессоры", "ОЗУ",    "Материнские платы", "Видео карты",
                            "Винчестеры", "Модемы", "Мониторы"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(devset->lists->Pages(i)->Caption(), captions[i]);
  EXPECT_EQ(devset->pnow->Caption(), "Intel Pentium D 820");
  EXPECT_EQ(comp->proc->Caption(), "Intel Pentium D 820");
  EXPECT_EQ(devset->ia->Caption(), "Intel");
  EXPECT_EQ(devset->mnget->Caption(), "");
  EXPECT_EQ(devset->mngetl->Caption(), "Установить");
  EXPECT_EQ(devset->mnejectl->Caption(), "Убрать");
  for (ui::Image* b : {devset->pget, devset->peject, devset->mdget, devset->mneject}) {
    EXPECT_EQ(GameHarness::skinOf(b), "ctrl_1.jpg");
  }
  // The tab last chosen stays chosen.
  devset->lists->ActivePage = devset->vc;
  devset->Hide();
  devset->Show();
  EXPECT_EQ(devset->lists->ActivePage(), devset->vc);
}

TEST_F(DeviceManager, AWholeIntelComputerGoesInKindByKind) {
  GameHarness h;
  Open(h);
  devset->mblist->Items.Add(engine->Mb1i);
  devset->plist->Items.Add(engine->Pr1i);
  devset->rlist->Items.Add(engine->Ram1);
  devset->vlist->Items.Add(engine->Vid1g);
  devset->hlist->Items.Add(engine->Hdd2);
  devset->mdlist->Items.Add(engine->Mod1);
  devset->mnlist->Items.Add(engine->Mon1);
  const int xp = Xp();
  devset->lists->ActivePage = devset->mb;
  InsertEntry(h, devset->mblist, 0, devset->mbget);
  EXPECT_EQ(Xp(), xp + 8);  // two pull-outs and the board
  EXPECT_EQ(devset->ia->Caption(), "Intel");
  EXPECT_TRUE(engine->Intel);
  EXPECT_FALSE(engine->Amd);
  struct Step {
    ui::TabSheet* tab;
    ui::ListBox* list;
    ui::Image* insert;
    ui::Label* now;
    std::string* field;
  };
  const Step steps[] = {
      {devset->pr, devset->plist, devset->pget, devset->pnow, &engine->Processor},
      {devset->rm, devset->rlist, devset->rget, devset->r1now, &engine->Ozu1},
      {devset->vc, devset->vlist, devset->vget, devset->vnow, &engine->Video},
      {devset->h, devset->hlist, devset->hget, devset->hnow, &engine->Disk},
      {devset->md, devset->mdlist, devset->mdget, devset->mdnow, &engine->Modem},
      {devset->mn, devset->mnlist, devset->mnget, devset->mnnow, &engine->Monitor},
  };
  for (const Step& s : steps) {
    const std::string part = s.list->Items[0];
    const int before = Xp();
    devset->lists->ActivePage = s.tab;
    InsertEntry(h, s.list, 0, s.insert);
    EXPECT_EQ(s.list->Items.Count(), 0) << part;
    EXPECT_EQ(*s.field, part);
    EXPECT_EQ(s.now->Caption(), part);
    EXPECT_EQ(Xp(), before + 2) << part;
  }
  EXPECT_EQ(engine->ModemType, 1);
  EXPECT_EQ(comp->monitor->Caption(), engine->Mon1);
  EXPECT_TRUE(h.messagesShown().empty());
  h.click(devset->close);
  EXPECT_TRUE(comp->Visible);
  EXPECT_FALSE(devset->Visible);
  EXPECT_TRUE(engine->Computer);
  EXPECT_TRUE(comp->program->Enabled);
}

TEST_F(DeviceManager, EjectingASinglePartPutsItBackAtTheEndOfItsList) {
  GameHarness h({.config = {{"Video", "Старая карта"},
                            {"Disk", "Старый диск"},
                            {"Monitor", "Старый монитор"},
                            {"Processor", "Старый процессор"}}});
  Open(h);
  devset->vlist->Items.Add("Карта в коробке");
  const int xp = Xp();
  ClickOnTab(h, devset->veject);  // no board needed to take a card out
  EXPECT_EQ(Items(devset->vlist), (Strings{"Карта в коробке", "Старая карта"}));
  EXPECT_EQ(engine->Video, "нет");
  EXPECT_EQ(comp->video->Caption(), "нет");
  ClickOnTab(h, devset->hejectl);  // the label does what its picture does
  EXPECT_EQ(Items(devset->hlist), Strings{"Старый диск"});
  ClickOnTab(h, devset->mneject);
  ClickOnTab(h, devset->peject);
  EXPECT_EQ(Items(devset->mnlist), Strings{"Старый монитор"});
  EXPECT_EQ(Items(devset->plist), Strings{"Старый процессор"});
  ClickOnTab(h, devset->peject);  // an empty slot: only the labels are refreshed
  EXPECT_EQ(Items(devset->plist), Strings{"Старый процессор"});
  EXPECT_EQ(Xp(), xp);
  const auto sounds = h.sounds();
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "click.wav"), 5);
}

TEST_F(DeviceManager, InsertWithNothingSelectedTakesTheInstalledPartOut) {
  GameHarness h({.config = {{"Processor", "Intel Pentium D 820"}, {"Intel", "1"}, {"Mboard", "ASUS P5B"}}});
  Open(h);
  devset->plist->Items.Add(engine->Pr2i);
  devset->plist->ItemIndex = -1;
  ClickOnTab(h, devset->pget);
  EXPECT_EQ(engine->Processor, "нет");
  EXPECT_EQ(devset->pnow->Caption(), "нет");
  EXPECT_EQ(Items(devset->plist), (Strings{engine->Pr2i, "Intel Pentium D 820"}));
  EXPECT_TRUE(h.messagesShown().empty());
}

TEST_F(DeviceManager, DoubleClicksInsertAndOnEmptyListsDoNothing) {
  GameHarness h({.config = {{"Mboard", "ASUS P5B"}, {"Intel", "1"}}});
  Open(h);
  for (ui::TabSheet* tab : {devset->pr, devset->rm, devset->mb, devset->vc, devset->h, devset->md, devset->mn}) {
    devset->lists->ActivePage = tab;
    h.doubleClick(tab->Controls()[0]);
  }
  // With a board and nothing to insert, no tab has anything to say, and the
  // board's own tab does nothing without a chosen entry.
  EXPECT_TRUE(h.messagesShown().empty());
  EXPECT_EQ(engine->Mboard, "ASUS P5B");
  devset->lists->ActivePage = devset->vc;
  devset->vlist->Items.Add(engine->Vid1g);
  devset->vlist->ItemIndex = 0;
  h.doubleClick(devset->vlist);
  EXPECT_EQ(engine->Video, engine->Vid1g);
  EXPECT_EQ(devset->vlist->Items.Count(), 0);
  EXPECT_TRUE(h.exceptions().empty());
}

TEST_F(DeviceManager, ProcessorPlatformRuleBothWays) {
  GameHarness h;
  Open(h);
  devset->lists->ActivePage = devset->pr;
  // No board: the slot is emptied first, then the processor is refused.
  devset->plist->Items.Add(engine->Pr1a);
  h.answerEnter();
  InsertEntry(h, devset->plist, 0, devset->pget);
  EXPECT_EQ(h.messagesShown().back(), "Установите материнскую плату!");
  EXPECT_EQ(Items(devset->plist), Strings{engine->Pr1a});

  // An Intel board refuses the AMD processor.
  engine->InstallMotherboard(engine->Mb1i);
  h.answerEnter();
  InsertEntry(h, devset->plist, 0, devset->pget);
  EXPECT_EQ(h.messagesShown().back(), "Нельзя поставить процессор AMD на материнскую плату для Intel!");
  EXPECT_EQ(engine->Processor, "нет");
  // ... and takes an Intel one.
  devset->plist->Items.Add(engine->Pr2i);
  InsertEntry(h, devset->plist, 1, devset->pget);
  EXPECT_EQ(engine->Processor, engine->Pr2i);
  EXPECT_EQ(Items(devset->plist), Strings{engine->Pr1a});

  // An AMD board refuses an Intel processor (and any name of neither list).
  engine->InstallMotherboard(engine->Mb2a);
  EXPECT_EQ(devset->ia->Caption(), "AMD");
  EXPECT_EQ(Items(devset->plist), (Strings{engine->Pr1a, engine->Pr2i}));
  devset->plist->Items.Add("Неизвестный процессор");
  for (int index : {1, 2}) {
    h.answerEnter();
    InsertEntry(h, devset->plist, index, devset->pget);
    EXPECT_EQ(h.messagesShown().back(), "Нельзя поставить процессор Intel на материнскую плату для AMD!");
  }
  InsertEntry(h, devset->plist, 0, devset->pget);
  EXPECT_EQ(engine->Processor, engine->Pr1a);
  EXPECT_EQ(Items(devset->plist), (Strings{engine->Pr2i, "Неизвестный процессор"}));
}

TEST_F(DeviceManager, ABoardOfNeitherListHasNoPlatformAndRefusesEveryProcessor) {
  GameHarness h;
  Open(h);
  EXPECT_TRUE(engine->InstallMotherboard("Самодельная плата"));
  EXPECT_FALSE(engine->Amd);
  EXPECT_FALSE(engine->Intel);
  EXPECT_EQ(devset->ia->Caption(), "-");
  h.answerEnter();
  EXPECT_FALSE(engine->InstallProcessor(engine->Pr1i, engine->Amd, engine->Intel));
  EXPECT_EQ(h.messagesShown().back(), "Установите материнскую плату!");
}

TEST_F(DeviceManager, BothPlatformFlagsFromTheStartRefuseQuietlyAndKeepTheProcessor) {
  GameHarness h({.config = {{"Amd", "1"}, {"Intel", "1"}, {"Mboard", "ASUS P5B"}}});
  Open(h);
  devset->plist->Items.Add(engine->Pr1i);
  const int xp = Xp();
  InsertEntry(h, devset->plist, 0, devset->pget);
  EXPECT_TRUE(h.messagesShown().empty());
  EXPECT_EQ(Items(devset->plist), Strings{engine->Pr1i});
  EXPECT_EQ(engine->Processor, "нет");
  EXPECT_EQ(Xp(), xp);
  EXPECT_EQ(h.logLines().back(), "Вызвана функция установки процессора...");
  // The platform label keeps what it showed: both flags give it nothing to say.
  EXPECT_EQ(devset->ia->Caption(), "-");
}

TEST_F(DeviceManager, MemoryGoesIntoTheFirstFreeSlotAndAFullComputerRefusesIt) {
  GameHarness h({.config = {{"Mboard", "ASUS P5B"}, {"Ozu1", "Модуль 1"}, {"Ozu3", "Модуль 3"}}});
  Open(h);
  devset->rlist->Items.Add("Модуль 2");
  devset->rlist->Items.Add("Модуль 4");
  devset->rlist->Items.Add("Модуль 5");
  InsertEntry(h, devset->rlist, 0, devset->rget);
  EXPECT_EQ(engine->Ozu2, "Модуль 2");
  InsertEntry(h, devset->rlist, 0, devset->rget);
  EXPECT_EQ(engine->Ozu4, "Модуль 4");
  h.answerEnter();
  InsertEntry(h, devset->rlist, 0, devset->rget);
  EXPECT_EQ(h.messagesShown().back(), "Все слоты заняты!");
  EXPECT_EQ(Items(devset->rlist), Strings{"Модуль 5"});
}

TEST_F(DeviceManager, MemoryComesOutLastSlotFirst) {
  GameHarness h({.config = {{"Ozu1", "М1"}, {"Ozu2", "М2"}, {"Ozu4", "М4"}}});
  Open(h);
  ClickOnTab(h, devset->reject);
  EXPECT_EQ(engine->Ozu4, "нет");
  ClickOnTab(h, devset->reject);
  EXPECT_EQ(engine->Ozu2, "нет");
  ClickOnTab(h, devset->reject);
  EXPECT_EQ(engine->Ozu1, "нет");
  ClickOnTab(h, devset->reject);  // nothing left: nothing happens
  EXPECT_EQ(Items(devset->rlist), (Strings{"М4", "М2", "М1"}));
}

TEST_F(DeviceManager, VideoDiskModemAndMemoryNeedABoardTheMonitorDoesNot) {
  GameHarness h({.config = {{"Video", "Старая карта"}}});
  Open(h);
  struct Case {
    ui::ListBox* list;
    ui::Image* insert;
    std::string* field;
  };
  devset->vlist->Items.Add("Карта");
  devset->hlist->Items.Add("Диск");
  devset->mdlist->Items.Add(engine->Mod1);
  devset->rlist->Items.Add("Модуль");
  for (const Case& c :
       {Case{devset->vlist, devset->vget, &engine->Video}, Case{devset->hlist, devset->hget, &engine->Disk},
        Case{devset->mdlist, devset->mdget, &engine->Modem}, Case{devset->rlist, devset->rget, &engine->Ozu1}}) {
    const std::string before = *c.field;
    h.answerEnter();
    InsertEntry(h, c.list, 0, c.insert);
    EXPECT_EQ(h.messagesShown().back(), "Установите материнскую плату!");
    EXPECT_EQ(c.list->Items.Count(), 1);
    EXPECT_EQ(*c.field, before);  // not even the installed card came out
  }
  EXPECT_EQ(engine->ModemType, 0);
  devset->mnlist->Items.Add(engine->Mon1);
  InsertEntry(h, devset->mnlist, 0, devset->mnget);
  EXPECT_EQ(engine->Monitor, engine->Mon1);
  ClickOnTab(h, devset->mneject);
  EXPECT_EQ(Items(devset->mnlist), Strings{engine->Mon1});
}

TEST_F(DeviceManager, TheModemDecidesTheConnectionByItsExactName) {
  GameHarness h({.config = {{"Mboard", "ASUS P5B"}}});
  Open(h);
  devset->mdlist->Items.Add("Sprinter 56k");
  devset->mdlist->Items.Add("Sprinter ADSL");
  devset->mdlist->Items.Add("sprinter adsl");
  InsertEntry(h, devset->mdlist, 0, devset->mdget);
  EXPECT_EQ(engine->ModemType, 1);
  InsertEntry(h, devset->mdlist, 0, devset->mdget);  // "Sprinter ADSL"; the 56k goes back
  EXPECT_EQ(engine->ModemType, 2);
  InsertEntry(h, devset->mdlist, 0, devset->mdget);  // the wrong case is a modem of no known kind
  EXPECT_EQ(engine->Modem, "sprinter adsl");
  EXPECT_EQ(engine->ModemType, 0);
  InsertEntry(h, devset->mdlist, 1, devset->mdget);  // the ADSL again
  EXPECT_EQ(engine->ModemType, 2);
  ClickOnTab(h, devset->mdeject);
  EXPECT_EQ(engine->ModemType, 0);
  // The install rule alone leaves the connection kind as it was.
  engine->ModemType = 1;
  engine->InstallModem("Sprinter ADSL");
  EXPECT_EQ(engine->ModemType, 1);
}

TEST_F(DeviceManager, ANewBoardPullsEverythingOutRemovesProgramsAndGivesEightExperience) {
  GameHarness h({.config = {{"Mboard", "ASUS M2N-E"},
                            {"Amd", "1"},
                            {"Processor", "AMD Athlon 64 3500+"},
                            {"Ozu1", "М1"},
                            {"Ozu2", "М2"},
                            {"Video", "Карта"},
                            {"Disk", "Диск"},
                            {"Modem", "Sprinter 56k"},
                            {"ModemType", "1"},
                            {"Monitor", "Монитор"},
                            {"Computer", "1"}}});
  Open(h);
  softset->seted->Items.Add("Программа один");
  softset->seted->Items.Add("Программа два");
  devset->mblist->Items.Add(engine->Mb1a);  // a board of the same platform
  const int xp = Xp();
  devset->lists->ActivePage = devset->mb;
  InsertEntry(h, devset->mblist, 0, devset->mbget);
  EXPECT_EQ(Xp(), xp + 8);
  EXPECT_EQ(engine->Mboard, engine->Mb1a);
  EXPECT_EQ(Items(devset->mblist), Strings{"ASUS M2N-E"});
  EXPECT_EQ(Items(devset->plist), Strings{"AMD Athlon 64 3500+"});
  EXPECT_EQ(Items(devset->rlist), (Strings{"М1", "М2"}));
  EXPECT_EQ(Items(devset->vlist), Strings{"Карта"});
  EXPECT_EQ(Items(devset->hlist), Strings{"Диск"});
  EXPECT_EQ(Items(devset->mdlist), Strings{"Sprinter 56k"});
  EXPECT_EQ(Items(devset->mnlist), Strings{"Монитор"});
  for (std::string* slot : {&engine->Processor, &engine->Ozu1, &engine->Ozu2, &engine->Video, &engine->Disk,
                            &engine->Modem, &engine->Monitor}) {
    EXPECT_EQ(*slot, "нет");
  }
  EXPECT_FALSE(engine->Computer);
  EXPECT_EQ(engine->ModemType, 0);
  EXPECT_TRUE(engine->Amd);
  EXPECT_EQ(softset->seted->Items.Count(), 0);
  EXPECT_FALSE(comp->soft->Enabled);
  EXPECT_FALSE(comp->softl->Enabled);
  EXPECT_EQ(Count(h.logLines(), "Вытащил все устройства..."), 2);
}

TEST_F(DeviceManager, EjectingTheBoardOfAnEmptyComputerStillGivesThreeAndLogs) {
  GameHarness h;
  Open(h);
  const int xp = Xp();
  ClickOnTab(h, devset->mbeject);
  EXPECT_EQ(Xp(), xp + 3);
  for (ui::ListBox* list :
       {devset->plist, devset->rlist, devset->mblist, devset->vlist, devset->hlist, devset->mdlist, devset->mnlist}) {
    EXPECT_EQ(list->Items.Count(), 0);
  }
  const auto log = h.logLines();
  EXPECT_EQ(log.back(), "Вытащил все устройства...");
  EXPECT_EQ(Count(log, "Добавление опыта..."), 1);
}

TEST_F(DeviceManager, PullOutEmptiesTheInstalledListWhateverItHolds) {
  GameHarness h;
  Open(h);
  for (const char* name : {"Программа", "Программа", ""}) softset->seted->Items.Add(name);
  engine->RemoveAllDevices();
  EXPECT_EQ(softset->seted->Items.Count(), 0);
  EXPECT_TRUE(h.messagesShown().empty());
}

TEST_F(DeviceManager, PullOutUninstallsRealProgramsSilently) {
  GameHarness h({.config = {{"Mboard", "ASUS P5B"}, {"Intel", "1"}}});
  Open(h);
  // A compiler, the system and a game, installed as the install screen leaves them.
  for (const std::string& name : {engine->Kcpp1, engine->Os1, engine->G1}) softset->seted->Items.Add(name);
  engine->CppCompiler = engine->Kcpp1;
  ssoft->os->Caption = engine->Os1;
  ssoft->cpp->Caption = engine->Kcpp1;
  comp->_disk->Caption = "80";
  ClickOnTab(h, devset->mbeject);
  EXPECT_EQ(softset->seted->Items.Count(), 0);
  const Strings back = Items(softset->nseted);
  for (const std::string& name : {engine->Kcpp1, engine->Os1, engine->G1}) {
    EXPECT_NE(std::find(back.begin(), back.end(), name), back.end()) << name;
  }
  EXPECT_EQ(engine->CppCompiler, "");
  EXPECT_EQ(ssoft->os->Caption(), "нет");
  EXPECT_EQ(comp->_disk->Caption(), "100");
  EXPECT_TRUE(h.messagesShown().empty());
  EXPECT_EQ(h.logLines().back(), "Вытащил все устройства...");
}

TEST_F(DeviceManager, ClosingDecidesWhetherTheComputerWorks) {
  GameHarness h({.config = {{"Mboard", "ASUS P5B"},
                            {"Processor", "П"},
                            {"Ozu1", "М"},
                            {"Video", "В"},
                            {"Disk", "Д"},
                            {"Monitor", "Мон"}}});
  Open(h);
  h.click(devset->close);
  EXPECT_TRUE(engine->Computer);
  EXPECT_EQ(h.sounds().back(), "close.wav");
  // Without a monitor the computer screen's check clears it first.
  h.click(comp->device);
  ClickOnTab(h, devset->mneject);
  h.click(devset->close);
  EXPECT_FALSE(engine->Computer);
  EXPECT_FALSE(comp->program->Enabled);
}

TEST_F(DeviceManager, CloseCheckAloneSetsOnAllSixClearsOnNoneAndOtherwiseLeavesIt) {
  GameHarness h({.config = {{"Mboard", "ASUS P5B"},
                            {"Processor", "П"},
                            {"Ozu1", "М"},
                            {"Video", "В"},
                            {"Disk", "Д"},
                            {"Monitor", "Мон"}}});
  Open(h);
  engine->Computer = false;
  devset->CheckComputerComplete();
  EXPECT_TRUE(engine->Computer);
  engine->Disk = "нет";
  engine->RefreshDeviceLabels();
  devset->CheckComputerComplete();
  EXPECT_TRUE(engine->Computer);  // some parts missing: left as it was
  engine->RemoveAllDevices();
  engine->Computer = true;
  devset->CheckComputerComplete();
  EXPECT_FALSE(engine->Computer);
}

TEST_F(DeviceManager, SkinsWorkInPairsPerTab) {
  GameHarness h;
  Open(h);
  devset->lists->ActivePage = devset->pr;
  h.moveTo(devset->pget);
  EXPECT_EQ(GameHarness::skinOf(devset->pget), "ctrl_2.jpg");
  h.moveTo(devset->pejectl);
  EXPECT_EQ(GameHarness::skinOf(devset->pget), "ctrl_1.jpg");
  EXPECT_EQ(GameHarness::skinOf(devset->peject), "ctrl_2.jpg");
  h.press(devset->peject);
  EXPECT_EQ(GameHarness::skinOf(devset->peject), "ctrl_3.jpg");
  h.release(devset->peject);
  EXPECT_EQ(GameHarness::skinOf(devset->peject), "ctrl_1.jpg");
  h.moveTo(devset->pget);
  h.moveTo(devset->plist);  // the tab's list resets its pair
  EXPECT_EQ(GameHarness::skinOf(devset->pget), "ctrl_1.jpg");
  devset->lists->ActivePage = devset->h;
  h.moveTo(devset->hget);
  h.moveTo(devset->hlist);  // the disk list has no such handler
  EXPECT_EQ(GameHarness::skinOf(devset->hget), "ctrl_2.jpg");
  h.moveTo(devset->h, 5, devset->h->Height - 4);  // the tab itself does
  EXPECT_EQ(GameHarness::skinOf(devset->hget), "ctrl_1.jpg");
}

TEST(DeviceCatalogue, AMissingCatalogueNameSellsAndInstallsWithoutLosingAnything) {
  GameHarness h({.config = {{"Mb1i", ""}, {"Pr1i", ""}}});
  EnterPausedGame();
  h.answerEnter(2);
  engine->BuyDevice(1780, engine->Mb1i, "материнская плата");
  engine->BuyDevice(2100, engine->Pr1i, "процессор");
  EXPECT_EQ(h.messagesShown(), (Strings{"Вы купили материнскую плату - ", "Вы купили процессор - "}));
  EXPECT_EQ(Items(devset->mblist), Strings{""});
  devset->Show();
  InsertEntry(h, devset->mblist, 0, devset->mbget);
  EXPECT_EQ(engine->Mboard, "");
  // An empty name is no catalogue name: the board has no platform.
  EXPECT_FALSE(engine->Intel);
  h.answerEnter();
  InsertEntry(h, devset->plist, 0, devset->pget);
  EXPECT_EQ(h.messagesShown().back(), "Установите материнскую плату!");
  EXPECT_EQ(Items(devset->plist), Strings{""});
  ClickOnTab(h, devset->mbeject);
  EXPECT_EQ(Items(devset->mblist), Strings{""});
  EXPECT_TRUE(h.exceptions().empty());
}
