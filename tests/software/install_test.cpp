// Installing and removing programs: an operating system first and alone,
// one office suite, one compiler per language, games; each within the free
// disk space of the computer screen's label. The silent removal gives the
// space back, and an operating system takes everything with it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "hardware/Computer.h"
#include "software/Game.h"
#include "software/Setupedsoft.h"
#include "software/Soft.h"
#include "support/GameHarness.h"

using testing_support::GameHarness;

namespace {

using Names = std::vector<std::string>;

std::string LastMessage(const GameHarness& h) {
  return h.messagesShown().empty() ? std::string() : h.messagesShown().back();
}

// The install screen, opened with the given programs bought.
void OpenWith(const Names& bought) {
  Form1->Hide();
  menu->Show();
  menu->Hide();
  for (const std::string& name : bought) softset->nseted->Items.Add(name);
  softset->Show();
}

void Install(GameHarness& h, const std::string& name) {
  softset->nseted->ItemIndex = softset->nseted->Items.IndexOf(name);
  h.answerEnter();
  h.click(softset->inst);
}

int FreeSpace() { return std::stoi(comp->_disk->Caption()); }

}  // namespace

TEST(ProgramInstall, SystemFirstThenEachKindWithItsOwnEffect) {
  GameHarness h;
  const std::string os = engine->Os2, office = engine->Of1, cpp = engine->Kcpp1, game = engine->G1;
  OpenWith({game, os, office, cpp});
  Install(h, game);
  EXPECT_EQ(LastMessage(h), "Сначала установите операционную систему!");
  EXPECT_TRUE(softset->seted->Items.Items().empty());

  Install(h, os);
  EXPECT_EQ(ssoft->os->Caption(), os);
  EXPECT_EQ(GameHarness::skinOf(ssoft->pic), "ssoft_os.bmp");
  EXPECT_EQ(FreeSpace(), 90);
  Install(h, office);
  EXPECT_EQ(ssoft->office->Caption(), office);
  Install(h, cpp);
  EXPECT_EQ(engine->CppCompiler, cpp);
  EXPECT_EQ(ssoft->cpp->Caption(), cpp);
  EXPECT_EQ(engine->PascalCompiler, "");
  Install(h, game);
  EXPECT_EQ(LastMessage(h), "Программа " + game + " установлена!");
  EXPECT_EQ(games->list->Items.Items(), Names{game});
  EXPECT_EQ(FreeSpace(), 90 - 6 - 4 - 3);
  EXPECT_EQ(engine->DiskSpace, FreeSpace());
  EXPECT_EQ(softset->seted->Items.Items(), (Names{os, office, cpp, game}));
  EXPECT_TRUE(softset->nseted->Items.Items().empty());

  // The office suite is told to the rest of the game when the screen closes.
  EXPECT_FALSE(engine->IsTextEditor);
  h.click(softset->close);
  EXPECT_TRUE(engine->IsTextEditor);
  EXPECT_TRUE(comp->Visible);
}

TEST(ProgramInstall, OneSystemOneOfficeOneCompilerPerLanguage) {
  GameHarness h;
  OpenWith({engine->Os1, engine->Os4, engine->Of1, engine->Of3, engine->Kphp1, engine->Kphp2, engine->Kpas1});
  Install(h, engine->Os1);
  Install(h, engine->Os4);
  EXPECT_EQ(LastMessage(h), "Операционная система уже установлена!");
  Install(h, engine->Of3);
  Install(h, engine->Of1);
  EXPECT_EQ(LastMessage(h), "Офисный пакет уже установлен!");
  Install(h, engine->Kphp2);
  Install(h, engine->Kphp1);
  EXPECT_EQ(LastMessage(h), "Компилятор для этого языка уже установлен!");
  Install(h, engine->Kpas1);  // another language is fine
  EXPECT_EQ(engine->PhpCompiler, engine->Kphp2);
  EXPECT_EQ(engine->PascalCompiler, engine->Kpas1);
  EXPECT_EQ(softset->nseted->Items.Items(), (Names{engine->Os4, engine->Of1, engine->Kphp1}));
}

TEST(ProgramInstall, AProgramFitsOnlyIntoTheFreeSpace) {
  GameHarness h;
  OpenWith({engine->Os1, engine->Of1, engine->Of2});
  Install(h, engine->Os1);
  comp->_disk->Caption = "5";
  Install(h, engine->Of1);  // takes 6
  EXPECT_EQ(LastMessage(h), "Недостаточно места на диске!");
  EXPECT_EQ(FreeSpace(), 5);
  Install(h, engine->Of2);  // takes 5: exactly the rest
  EXPECT_EQ(FreeSpace(), 0);
  EXPECT_EQ(ssoft->office->Caption(), engine->Of2);
}

TEST(ProgramInstall, UninstallAndNothingSelected) {
  GameHarness h;
  OpenWith({engine->Os1, engine->Kcpp2});
  Install(h, engine->Os1);
  Install(h, engine->Kcpp2);
  const size_t shown = h.messagesShown().size();
  softset->seted->ItemIndex = -1;
  h.click(softset->uninst);  // nothing selected: nothing happens, no message
  softset->nseted->ItemIndex = -1;
  h.click(softset->instl);
  EXPECT_EQ(h.messagesShown().size(), shown);
  softset->seted->ItemIndex = 1;
  h.answerEnter();
  h.click(softset->uninstl);
  EXPECT_EQ(LastMessage(h), "Программа " + engine->Kcpp2 + " удалена!");
  EXPECT_EQ(engine->CppCompiler, "");
  EXPECT_EQ(ssoft->cpp->Caption(), "нет");
  EXPECT_EQ(FreeSpace(), 92);
  EXPECT_EQ(softset->nseted->Items.Items(), Names{engine->Kcpp2});
}

TEST(SilentRemoval, CompilerOfficeAndGameGiveTheirSpaceBack) {
  GameHarness h;
  const std::string game = engine->G5;
  OpenWith({engine->Os3, engine->Kpas2, engine->Of3, game, engine->G1});
  for (const std::string& name : Names{engine->Os3, engine->Kpas2, engine->Of3, game, engine->G1}) Install(h, name);
  ASSERT_EQ(FreeSpace(), 100 - 12 - 5 - 7 - 3 - 3);
  const size_t shown = h.messagesShown().size();

  softset->RemoveProgramSilently(engine->Kpas2);
  EXPECT_EQ(engine->PascalCompiler, "");
  EXPECT_EQ(ssoft->pas->Caption(), "нет");
  EXPECT_EQ(FreeSpace(), 75);
  softset->RemoveProgramSilently(engine->Of3);
  EXPECT_EQ(ssoft->office->Caption(), "нет");
  EXPECT_EQ(FreeSpace(), 82);
  softset->RemoveProgramSilently(game);
  EXPECT_EQ(games->list->Items.Items(), Names{engine->G1});
  EXPECT_EQ(FreeSpace(), 85);

  EXPECT_EQ(softset->seted->Items.Items(), (Names{engine->Os3, engine->G1}));
  EXPECT_EQ(softset->nseted->Items.Items(), (Names{engine->Kpas2, engine->Of3, game}));
  EXPECT_EQ(ssoft->os->Caption(), engine->Os3);
  EXPECT_EQ(h.messagesShown().size(), shown) << "silent";
  const Names log = h.logLines();
  EXPECT_EQ(std::count(log.begin(), log.end(), "add_space()"), 3);
}

TEST(SilentRemoval, AnOperatingSystemTakesEverythingWithIt) {
  GameHarness h;
  OpenWith({engine->Os1, engine->Kcpp1, engine->Of2, engine->G2, engine->Kphp1});
  for (const std::string& name : Names{engine->Os1, engine->Kcpp1, engine->Of2, engine->G2}) Install(h, name);
  const size_t shown = h.messagesShown().size();
  softset->RemoveProgramSilently(engine->Os1);
  EXPECT_TRUE(softset->seted->Items.Items().empty());
  EXPECT_EQ(softset->nseted->Items.Items(),
            (Names{engine->Kphp1, engine->Os1, engine->Kcpp1, engine->Of2, engine->G2}));
  EXPECT_TRUE(games->list->Items.Items().empty());
  EXPECT_EQ(comp->_disk->Caption(), "100");
  EXPECT_EQ(ssoft->os->Caption(), "нет");
  EXPECT_EQ(ssoft->office->Caption(), "нет");
  EXPECT_EQ(engine->CppCompiler, "");
  EXPECT_EQ(GameHarness::skinOf(ssoft->pic), "ssoft_unknown.bmp");
  EXPECT_EQ(h.messagesShown().size(), shown);
  EXPECT_EQ(h.logLines().back(), "set_space()");
  // An entry of the list itself may be passed.
  Install(h, engine->Os1);
  Install(h, engine->G2);
  softset->RemoveProgramSilently(softset->seted->Items[1]);
  EXPECT_EQ(softset->nseted->Items.Items().back(), engine->G2);
  softset->RemoveProgramSilently(softset->seted->Items[0]);
  EXPECT_TRUE(softset->seted->Items.Items().empty());
  // A name no longer installed changes nothing.
  softset->RemoveProgramSilently(engine->G2);
  EXPECT_EQ(softset->nseted->Items.Count(), 5);
}

TEST(SilentRemoval, CataloguesAreTestedCompilersFirstThenSystemsThenOfficeSuites) {
  // The same name as a compiler and a system counts as the compiler; as a
  // system and an office suite, as the system.
  GameHarness h({.config = {{"Kphp2", "Двойник"}, {"Os4", "Двойник"}, {"Os2", "Тройник"}, {"Of2", "Тройник"}}});
  OpenWith({});
  softset->seted->Items.Assign({"Двойник", "Тройник", engine->G3});
  comp->_disk->Caption = "50";
  softset->RemoveProgramSilently("Двойник");
  EXPECT_EQ(softset->seted->Items.Items(), (Names{"Тройник", engine->G3}));
  EXPECT_EQ(FreeSpace(), 55);
  softset->RemoveProgramSilently("Тройник");
  EXPECT_TRUE(softset->seted->Items.Items().empty());
  EXPECT_EQ(FreeSpace(), 100);
}

TEST(InstalledGames, PlayingLiftsTheMoodOnceAGameDay) {
  GameHarness h({.config = {{"Fun", "20"}, {"MaxFun", "30"}}});
  OpenWith({engine->Os1, engine->G1});
  Install(h, engine->Os1);
  Install(h, engine->G1);
  softset->Hide();
  ssoft->Show();
  h.click(ssoft->playl);
  ASSERT_TRUE(games->Visible);
  EXPECT_FALSE(ssoft->Visible);
  games->list->ItemIndex = 0;
  h.answerEnter();
  h.click(games->play);
  EXPECT_EQ(menu->funny->Caption(), "30");
  EXPECT_EQ(LastMessage(h), "Вы поиграли в " + engine->G1 + ". Настроение улучшилось!");
  h.answerEnter();
  h.click(games->playl);
  EXPECT_EQ(LastMessage(h), "Сегодня Вы уже играли! Поиграть снова можно будет завтра.");
  h.click(games->close);
  EXPECT_TRUE(ssoft->Visible);
}

TEST(SilentRemoval, PullingOutThePartsRemovesEveryInstalledProgram) {
  GameHarness h;
  OpenWith({engine->Os2, engine->Kpas1, engine->G1});
  for (const std::string& name : Names{engine->Os2, engine->Kpas1, engine->G1}) Install(h, name);
  const size_t shown = h.messagesShown().size();
  engine->RemoveAllDevices();
  EXPECT_TRUE(softset->seted->Items.Items().empty());
  EXPECT_EQ(softset->nseted->Items.Items(), (Names{engine->Os2, engine->Kpas1, engine->G1}));
  EXPECT_EQ(engine->PascalCompiler, "");
  EXPECT_EQ(FreeSpace(), 100);
  EXPECT_EQ(h.messagesShown().size(), shown);
}
