// Registration and the instructions' typewriter: the road from the main
// menu to the game screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "road/RoadHelpers.h"

using testing_support::GameHarness;
using testing_support::HarnessOptions;

namespace {

void WriteInstructions(const std::string& gameDir, const std::string& bytes) {
  std::ofstream(gameDir + "/instruct.pf", std::ios::binary) << bytes;
}

}  // namespace

TEST(Registration, EnterMovesOnOnlyWhenAllThreeFieldsAreFilled) {
  GameHarness h;
  h.click(Form1->game);
  EXPECT_TRUE(init->Visible);
  EXPECT_FALSE(Form1->Visible);
  EXPECT_EQ(init->ActiveControl(), init->name);  // typing starts in the first field
  h.type("Иван");
  h.key(ui::VK_TAB);
  h.type("Петров");
  h.key(ui::VK_TAB);
  EXPECT_EQ(init->ActiveControl(), init->nick);
  h.key(ui::VK_RETURN);  // the nickname is still empty
  EXPECT_TRUE(init->Visible);
  EXPECT_FALSE(inst->Visible);
  h.type(" ");  // blanks are a name
  h.key(ui::VK_RETURN);
  EXPECT_TRUE(inst->Visible);
  EXPECT_FALSE(init->Visible);
  EXPECT_EQ(init->name->Text(), "Иван");
  EXPECT_EQ(init->sname->Text(), "Петров");
}

TEST(Registration, FieldsLookAndKeepTheirTextAcrossBack) {
  GameHarness h;
  for (ui::Edit* field : {init->name, init->sname, init->nick}) {
    EXPECT_EQ(field->Color(), (ui::Color{0, 2, 79}));
    EXPECT_EQ(field->Font.Color(), ui::clWhite);
  }
  EXPECT_LT(init->name->TabOrder(), init->sname->TabOrder());
  EXPECT_LT(init->sname->TabOrder(), init->nick->TabOrder());
  road::Register(h, "Анна", "Смирнова", "Ann");
  h.click(inst->back);
  EXPECT_TRUE(init->Visible);
  h.click(init->back);
  EXPECT_TRUE(Form1->Visible);
  EXPECT_EQ(init->name->Text(), "Анна");
  EXPECT_EQ(init->nick->Text(), "Ann");
  // Characters the Cyrillic code page cannot hold are dropped at typing.
  h.click(Form1->game);
  h.click(init->nick);
  h.type("日本x");
  EXPECT_EQ(init->nick->Text(), "Annx");
}

// Neither registration nor the instructions has a close label: the window
// manager's close (Alt+F4) leaves each of them up, alone on the desktop, and
// it still takes the keyboard.
TEST(Registration, TheWindowManagersCloseLeavesItAndTheInstructionsUp) {
  GameHarness h;
  h.click(Form1->game);
  ASSERT_TRUE(init->Visible);
  h.clearSounds();
  h.closeWindow(init);
  EXPECT_TRUE(init->Visible);
  EXPECT_FALSE(Form1->Visible);
  EXPECT_FALSE(h.app().Terminated());
  EXPECT_TRUE(h.sounds().empty());
  h.type("Иван");
  EXPECT_EQ(init->name->Text(), "Иван");
  h.click(init->sname);
  h.type("Петров");
  h.click(init->nick);
  h.type("vanya");
  h.click(init->next);
  ASSERT_TRUE(inst->Visible);
  h.closeWindow(inst);
  EXPECT_TRUE(inst->Visible);
  EXPECT_FALSE(init->Visible);
  EXPECT_FALSE(h.app().Terminated());
  h.click(inst->back);
  EXPECT_TRUE(init->Visible);
}

TEST(Instructions, TypewriterTypesOneCharacterEvery50MsCountingALineBreakAsTwo) {
  GameHarness h({.prepare = [](const std::string& dir) { WriteInstructions(dir, "\xC0\xE1\r\n\xE2"); }});
  road::Register(h);  // "Аб", line break, "в": five characters
  EXPECT_EQ(inst->text->Text(), "");
  EXPECT_EQ(inst->InstructionText, "Аб\r\nв");
  h.advance(49);
  EXPECT_EQ(inst->text->Text(), "");
  h.advance(1);
  EXPECT_EQ(inst->text->Text(), "А");
  h.advance(50);
  EXPECT_EQ(inst->text->Text(), "Аб");
  h.advance(100);
  EXPECT_EQ(inst->text->Text(), "Аб\r\n");
  EXPECT_FALSE(inst->next->Visible);
  h.advance(50);
  EXPECT_EQ(inst->text->Text(), "Аб\r\nв");
  EXPECT_EQ(inst->TypedCount, 5);
  EXPECT_FALSE(inst->next->Visible);  // shown on the tick after the last character
  h.advance(50);
  EXPECT_TRUE(inst->next->Visible);
  EXPECT_TRUE(inst->nextl->Visible);
  EXPECT_FALSE(inst->writer->Enabled);
}

TEST(Instructions, EmptyFileShowsTheStartButtonOnTheFirstTick) {
  GameHarness h({.prepare = [](const std::string& dir) { WriteInstructions(dir, ""); }});
  road::Register(h);
  EXPECT_FALSE(inst->next->Visible);
  h.advance(50);
  EXPECT_TRUE(inst->next->Visible);
}

TEST(Instructions, AltEnterShowsTheWholeTextAndStopsTheTimer) {
  GameHarness h;
  road::Register(h);
  h.advance(500);
  EXPECT_EQ(inst->TypedCount, 10);
  h.key(ui::VK_RETURN);  // Enter alone does nothing
  EXPECT_FALSE(inst->next->Visible);
  h.key(ui::VK_RETURN, ui::ssAlt);
  EXPECT_EQ(inst->text->Text(), inst->InstructionText);
  EXPECT_TRUE(inst->next->Visible);
  EXPECT_FALSE(inst->writer->Enabled);
  h.advance(200);
  EXPECT_EQ(inst->TypedCount, 10);
  EXPECT_EQ(inst->text->Text(), inst->InstructionText);
}

TEST(Instructions, GoingBackAndOnTypesTheTextAgainFromTheStart) {
  GameHarness h;
  road::Register(h);
  h.advance(300);
  h.click(inst->back);
  EXPECT_FALSE(inst->writer->Enabled);
  EXPECT_FALSE(inst->next->Visible);
  h.click(init->next);
  EXPECT_EQ(inst->TypedCount, 0);
  EXPECT_EQ(inst->text->Text(), "");
  h.advance(50);
  EXPECT_EQ(inst->TypedCount, 1);
}

TEST(Instructions, MissingFileIsReportedAndOnlyBackLeadsOn) {
  GameHarness h({.prepare = [](const std::string& dir) { std::filesystem::remove(dir + "/instruct.pf"); }});
  road::Register(h);
  EXPECT_TRUE(inst->Visible);
  ASSERT_EQ(h.exceptions().size(), 1u);
  EXPECT_NE(h.exceptions()[0].find("instruct.pf"), std::string::npos);
  EXPECT_FALSE(inst->writer->Enabled);
  h.advance(1000);
  EXPECT_FALSE(inst->next->Visible);
  h.key(ui::VK_RETURN, ui::ssAlt);  // fails the same way
  EXPECT_EQ(h.exceptions().size(), 2u);
  EXPECT_FALSE(inst->next->Visible);
  EXPECT_EQ(inst->text->Text(), "");
  h.click(inst->back);
  EXPECT_TRUE(init->Visible);
}

TEST(Instructions, LinkStartsTheInformatorAtTheRegistrationPart) {
  GameHarness h;
  road::Register(h);
  h.clearSounds();
  h.click(inst->Label1);
  ASSERT_EQ(h.launches().size(), 1u);
  EXPECT_EQ(h.launches()[0].first, h.gameDir() + "//ZenxInfo");
  EXPECT_EQ(h.launches()[0].second, std::vector<std::string>{"4"});
  EXPECT_TRUE(h.sounds().empty());
}

TEST(Instructions, StartingCopiesTheNamesShowsTheGameAndLogsThemSurnameFirst) {
  GameHarness h;
  road::Register(h, "Иван", "Петров", "vanya");
  h.key(ui::VK_RETURN, ui::ssAlt);
  h.clearSounds();
  h.click(inst->nextl);
  EXPECT_EQ(h.sounds(), std::vector<std::string>{"click.wav"});
  EXPECT_TRUE(menu->Visible);
  EXPECT_FALSE(inst->Visible);
  EXPECT_FALSE(inst->next->Visible);
  EXPECT_EQ(engine->PlayerName, "Иван");
  EXPECT_EQ(engine->PlayerSurname, "Петров");
  EXPECT_EQ(engine->PlayerNick, "vanya");
  EXPECT_EQ(menu->name->Caption(), "Имя: Иван");
  EXPECT_EQ(menu->sname->Caption(), "Фамилия: Петров");
  EXPECT_EQ(menu->nick->Caption(), "Ник: vanya");
  EXPECT_EQ(Form1->gamel->Caption(), "Продолжить игру");
  EXPECT_EQ(Form1->gamel->Left(), 58);
  const auto log = h.logLines();
  ASSERT_GE(log.size(), 13u);
  EXPECT_EQ(std::vector<std::string>(log.end() - 4, log.end()),
            (std::vector<std::string>{"Фамилия игрока: Петров", "Имя игрока: Иван", "Ник-нейм игрока: vanya",
                                      "---------------------------------------"}));
  EXPECT_EQ(log[8], "---------------------------------------");  // the start lines come first
  // The menu's button now returns to the running game.
  h.click(menu->main);
  h.click(Form1->game);
  EXPECT_TRUE(menu->Visible);
}
