// The computer screen: whether the computer works, the buttons that depend
// on it, the internet gate, the disk line and the link.
#include "hardware/Computer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "city/Play.h"
#include "development/Internet.h"
#include "engine/Class.h"
#include "hardware/Device.h"
#include "hardware/HardwareHelpers.h"
#include "software/Setupedsoft.h"
#include "software/Soft.h"
#include "support/GameHarness.h"

using hardware_test::EnterPausedGame;
using testing_support::GameHarness;
using testing_support::HarnessOptions;

namespace {

// A computer with every part it needs to work, and the modem when asked.
HarnessOptions Assembled(std::map<std::string, std::string> more = {}) {
  HarnessOptions options;
  options.config = {{"Mboard", "ASUS P5B"},
                    {"Intel", "1"},
                    {"Processor", "Intel Pentium D 820"},
                    {"Ozu1", "Kingston DDR2 512 Mb PC2-5300"},
                    {"Video", "NVidia GeForce 7600 GS 256 Mb"},
                    {"Disk", "Western Digital Caviar SE 160 Gb"},
                    {"Monitor", "Samsung SyncMaster 740N"}};
  for (auto& [key, value] : more) options.config[key] = value;
  return options;
}

// From the game screen's computer button.
void OpenComputer(GameHarness& h) {
  EnterPausedGame();
  menu->Show();
  h.click(menu->computer);
  ASSERT_TRUE(comp->Visible);
}

}  // namespace

TEST(ComputerScreen, TheGameScreensButtonOpensItWithTheInstalledParts) {
  GameHarness h(Assembled());
  EnterPausedGame();
  menu->Show();
  h.click(menu->computer);
  ASSERT_TRUE(comp->Visible);
  EXPECT_FALSE(menu->Visible);
  EXPECT_EQ(comp->top->Caption(), "Мой компьютер");
  EXPECT_EQ(comp->mboard->Caption(), "ASUS P5B");
  EXPECT_EQ(comp->ram2->Caption(), "нет");
  EXPECT_EQ(comp->modem->Caption(), "нет");
  EXPECT_TRUE(engine->Computer);  // no modem needed
  EXPECT_TRUE(comp->program->Enabled);
  EXPECT_TRUE(comp->programl->Enabled);
  EXPECT_EQ(GameHarness::skinOf(comp->device), "ctrl_1.jpg");
  EXPECT_FALSE(comp->internet->Picture.Empty());
  EXPECT_FALSE(comp->hard->Picture.Empty());
  h.click(comp->close);
  EXPECT_TRUE(menu->Visible);
  EXPECT_FALSE(comp->Visible);
  EXPECT_TRUE(menu->ttime->Enabled);  // back on the game screen the clock runs
}

TEST(ComputerScreen, MemoryCountsOnlyInTheFirstSlot) {
  GameHarness h(Assembled({{"Ozu1", "нет"}, {"Ozu2", "Kingston DDR2 512 Mb PC2-5300"}, {"Computer", "1"}}));
  OpenComputer(h);
  EXPECT_FALSE(engine->Computer);
  EXPECT_FALSE(comp->program->Enabled);
  EXPECT_FALSE(comp->programl->Enabled);
}

TEST(ComputerScreen, EachOfTheSixPartsIsNeeded) {
  for (const char* key : {"Mboard", "Processor", "Ozu1", "Video", "Disk", "Monitor"}) {
    GameHarness h(Assembled({{key, "нет"}}));
    OpenComputer(h);
    EXPECT_FALSE(engine->Computer) << key;
  }
}

TEST(ComputerScreen, TheInstalledSoftwareButtonFollowsTheInstalledList) {
  GameHarness h(Assembled());
  OpenComputer(h);
  EXPECT_FALSE(comp->soft->Enabled);
  comp->Hide();
  softset->seted->Items.Add(engine->Os1);
  comp->Show();
  EXPECT_TRUE(comp->soft->Enabled);
  EXPECT_TRUE(comp->softl->Enabled);
  h.click(comp->softl);
  EXPECT_TRUE(ssoft->Visible);
  EXPECT_FALSE(comp->Visible);
  ssoft->Hide();
  softset->seted->Items.Clear();
  comp->Show();
  EXPECT_FALSE(comp->soft->Enabled);
}

TEST(ComputerScreen, TheButtonsOpenTheDeviceManagerAndTheInstallScreen) {
  GameHarness h(Assembled());
  OpenComputer(h);
  h.click(comp->devicel);
  EXPECT_TRUE(devset->Visible);
  EXPECT_FALSE(comp->Visible);
  h.click(devset->close);
  EXPECT_TRUE(comp->Visible);
  h.click(comp->program);
  EXPECT_TRUE(softset->Visible);
  EXPECT_FALSE(comp->Visible);
}

TEST(ComputerScreen, InternetNeedsAWorkingComputerAModemAndASystem) {
  const std::string refusal = "Чтобы выйти в Интернет, необходимо иметь компьютер с модемом!";
  {
    GameHarness h(Assembled());  // no modem
    OpenComputer(h);
    h.answerEnter();
    h.click(comp->internet);
    EXPECT_EQ(h.messagesShown(), std::vector<std::string>{refusal});
    EXPECT_TRUE(comp->Visible);
  }
  {
    GameHarness h(Assembled({{"Modem", "Sprinter 56k"}, {"ModemType", "1"}}));  // no system
    OpenComputer(h);
    ASSERT_EQ(ssoft->os->Caption(), "нет");
    h.answerEnter();
    h.click(comp->internet);
    EXPECT_EQ(h.messagesShown(), std::vector<std::string>{refusal});
  }
  {
    GameHarness h({.config = {{"Modem", "Sprinter 56k"}, {"ModemType", "1"}}});  // no computer
    OpenComputer(h);
    ssoft->os->Caption = "Windows XP Home Edition";
    h.answerEnter();
    h.click(comp->internet);
    EXPECT_EQ(h.messagesShown(), std::vector<std::string>{refusal});
  }
  {
    GameHarness h(Assembled({{"Modem", "Sprinter 56k"}, {"ModemType", "1"}}));
    OpenComputer(h);
    ssoft->os->Caption = "Windows XP Home Edition";
    h.click(comp->internet);
    EXPECT_TRUE(h.messagesShown().empty());
    EXPECT_TRUE(inet->Visible);
    EXPECT_FALSE(comp->Visible);
    EXPECT_EQ(h.sounds().back(), "click.wav");
  }
}

TEST(ComputerScreen, ThePictureButtonsLookPressedWhileDown) {
  GameHarness h(Assembled());
  OpenComputer(h);
  const int left = comp->hard->Left, top = comp->hard->Top;
  h.press(comp->hard);
  EXPECT_EQ(comp->hard->Left(), left + 2);
  EXPECT_EQ(comp->hard->Top(), top + 2);
  h.release(comp->hard);
  EXPECT_EQ(comp->hard->Left(), left);
  EXPECT_EQ(comp->hard->Top(), top);
  EXPECT_EQ(comp->internet->Hint(), "Выход в Интернет");
  EXPECT_EQ(comp->hard->Cursor(), ui::Cursor::HandPoint);
}

TEST(ComputerScreen, TheDiskButtonShowsAndHidesTheFreeSpace) {
  GameHarness h(Assembled());
  OpenComputer(h);
  EXPECT_FALSE(comp->__disk->Visible);
  h.click(comp->hard);
  EXPECT_TRUE(comp->__disk->Visible);
  EXPECT_TRUE(comp->_disk->Visible);
  EXPECT_TRUE(comp->z->Visible);
  EXPECT_EQ(comp->__disk->Caption(), "Свободного места на диске:");
  EXPECT_EQ(comp->_disk->Caption(), "100");
  h.click(comp->hard);
  EXPECT_FALSE(comp->_disk->Visible);
  EXPECT_FALSE(comp->z->Visible);
}

TEST(ComputerScreen, TheLinkOpensTheSiteQuietlyAndReddensUnderTheMouse) {
  GameHarness h(Assembled());
  OpenComputer(h);
  h.clearSounds();
  h.moveTo(comp->link);
  EXPECT_EQ(comp->link->Font.Color(), ui::clRed);
  h.click(comp->link);
  ASSERT_EQ(h.launches().size(), 1u);
  const auto& [program, arguments] = h.launches()[0];
  EXPECT_NE(std::find(arguments.begin(), arguments.end(), comp->link->Caption()), arguments.end()) << program;
  EXPECT_TRUE(h.sounds().empty());
  h.moveTo(comp, 5, 200);
  EXPECT_EQ(comp->link->Font.Color(), ui::clWhite);
}

TEST(ComputerScreen, SkinGroups) {
  GameHarness h(Assembled());
  softset->seted->Items.Add("Программа");
  OpenComputer(h);
  h.moveTo(comp->soft);
  EXPECT_EQ(GameHarness::skinOf(comp->soft), "ctrl_2.jpg");
  h.moveTo(comp->programl);
  EXPECT_EQ(GameHarness::skinOf(comp->program), "ctrl_2.jpg");
  EXPECT_EQ(GameHarness::skinOf(comp->soft), "ctrl_1.jpg");
  h.moveTo(comp->device);
  EXPECT_EQ(GameHarness::skinOf(comp->program), "ctrl_1.jpg");
  EXPECT_EQ(GameHarness::skinOf(comp->device), "ctrl_2.jpg");
  h.moveTo(comp->soft);
  EXPECT_EQ(GameHarness::skinOf(comp->device), "ctrl_2.jpg");  // the software button touches only itself
  h.moveTo(comp->prl);
  EXPECT_EQ(GameHarness::skinOf(comp->device), "ctrl_1.jpg");
  EXPECT_EQ(GameHarness::skinOf(comp->soft), "ctrl_2.jpg");
  h.moveTo(comp, 5, 200);
  EXPECT_EQ(GameHarness::skinOf(comp->soft), "ctrl_1.jpg");
}
