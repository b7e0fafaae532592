// The advanced skills: read from "skill.pc" in memory, a missing, empty or
// corrupt file told and the game going on; steps paid with experience up to
// the highest level; their levels raise the price of the games.
#include "development/Devskills.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "city/Person.h"
#include "development/DevHelpers.h"
#include "development/DevRules.h"
#include "development/Devgame.h"
#include "engine/Scramble.h"
#include "platform/Cp1251.h"
#include "platform/TextFile.h"

using dev_test::Developer;
using dev_test::EnterGame;
using testing_support::GameHarness;
using testing_support::HarnessOptions;

namespace {

// Writes these plain lines as "skill.pc", scrambled as the packer does.
void WriteSkillFile(const std::string& dir, const std::vector<std::string>& plain) {
  std::vector<std::string> lines;
  for (const std::string& line : plain) lines.push_back(ScrambleLine(platform::Utf8ToCp1251(line), kScrambleKey));
  platform::SaveLines(dir + "/skill.pc", lines);
}

// Options whose "skill.pc" is replaced by these plain lines.
HarnessOptions WithSkillLines(std::vector<std::string> plain, std::map<std::string, std::string> config = {}) {
  HarnessOptions options = Developer(std::move(config));
  options.prepare = [plain](const std::string& dir) { WriteSkillFile(dir, plain); };
  return options;
}

bool Filled(int skill, int cell) { return devSkill->Cell(skill, cell)->Picture.FileName().ends_with("skills_y.bmp"); }

}  // namespace

TEST(AdvancedSkills, TheThirteenAreReadFromTheSkillFileWithoutAPlainCopy) {
  std::vector<std::string> lines = {"[Skills]"};
  for (int i = 1; i <= 13; ++i) {
    lines.push_back("Skill" + std::to_string(i) + "=Умение " + std::to_string(i));
    lines.push_back("skill" + std::to_string(i) + "lev=" + std::to_string(i % 3));  // letter case does not matter
    lines.push_back("Skill" + std::to_string(i) + "Bar=" + std::to_string(i % 11));
  }
  GameHarness h(WithSkillLines(lines));
  EXPECT_TRUE(h.exceptions().empty());
  EXPECT_EQ(devSkill->Skills[12].name, "Умение 13");
  EXPECT_EQ(devSkill->Skills[4].level, 2);
  EXPECT_EQ(devSkill->Skills[4].bar, 5);
  EXPECT_EQ(devSkill->names[0]->Caption(), "Умение 1");
  EXPECT_EQ(devSkill->levels[1]->Caption(), "2");
  EXPECT_TRUE(Filled(4, 5));
  EXPECT_FALSE(Filled(4, 6));
  EXPECT_EQ(devSkill->TotalLevels(), 13);  // five ones and four twos
  // Nothing of the table was left in the system folder.
  for (const auto& entry : std::filesystem::directory_iterator(h.systemDir())) {
    EXPECT_EQ(entry.path().filename(), "ZendrixLog.log");
  }
}

TEST(AdvancedSkills, TheShippedFileNamesThirteenSkillsAtTheStart) {
  GameHarness h;
  EXPECT_TRUE(h.exceptions().empty());
  for (const TdevSkill::Skill& s : devSkill->Skills) {
    EXPECT_FALSE(s.name.empty());
    EXPECT_EQ(s.name.find("Навык "), std::string::npos) << s.name;
    EXPECT_EQ(s.level, 0);
  }
}

TEST(AdvancedSkills, AMissingEmptyOrCorruptFileIsToldAndTheGameGoesOn) {
  struct Case {
    const char* what;
    std::function<void(const std::string&)> prepare;
    const char* told;
  } const cases[] = {
      {"missing", [](const std::string& dir) { std::filesystem::remove(dir + "/skill.pc"); }, "файл не найден"},
      {"empty", [](const std::string& dir) { std::ofstream(dir + "/skill.pc", std::ios::trunc); },
       "нет раздела [Skills]"},
      {"noise",
       [](const std::string& dir) {
         std::ofstream(dir + "/skill.pc", std::ios::binary) << std::string("\x01\xff\0=[", 5);
       },
       "нет раздела [Skills]"},
      {"a section with no key",
       [](const std::string& dir) {
         WriteSkillFile(dir, {"[Skills]", "Skill1 Игровая логика", "; Skill1Lev=1"});
       },
       "в разделе [Skills] нет ни одного ключа"},
  };
  for (const Case& c : cases) {
    HarnessOptions options = Developer();
    options.prepare = c.prepare;
    GameHarness h(options);
    ASSERT_EQ(h.exceptions().size(), 1u) << c.what;
    EXPECT_NE(h.exceptions()[0].find("skill.pc"), std::string::npos) << c.what;
    EXPECT_NE(h.exceptions()[0].find(c.told), std::string::npos) << h.exceptions()[0];
    EXPECT_EQ(devSkill->Skills[0].name, "Навык 1") << c.what;
    EXPECT_EQ(devSkill->TotalLevels(), 0);
    // The game goes on: the main menu leads into a game as ever.
    EXPECT_TRUE(Form1->Visible);
    EnterGame();
    EXPECT_TRUE(menu->Visible);
  }
}

TEST(AdvancedSkills, OnlyTheRowsThatCannotBeReadStartFromNothing) {
  // Levels run from 0 to the highest, Bmax1 (5 here); a bar from 0 to 10.
  {
    const std::map<int, std::string> levels = {{2, "много"},      {4, "6"},  {5, "99"},
                                               {6, "2147483647"}, {7, "-1"}, {8, "5"}};
    std::vector<std::string> lines = {"[Skills]"};
    for (int i = 1; i <= 13; ++i) {
      lines.push_back("Skill" + std::to_string(i) + "=Умение " + std::to_string(i));
      lines.push_back("Skill" + std::to_string(i) + "Lev=" + (levels.contains(i) ? levels.at(i) : "1"));
      lines.push_back("Skill" + std::to_string(i) + "Bar=" + (i == 3 ? "12" : "4"));
    }
    GameHarness h(WithSkillLines(lines, {{"Bmax1", "5"}}));
    ASSERT_EQ(h.exceptions().size(), 1u);
    EXPECT_NE(h.exceptions()[0].find("не прочитаны Skill2, Skill3, Skill4, Skill5, Skill6, Skill7)"), std::string::npos)
        << h.exceptions()[0];
    EXPECT_EQ(devSkill->Skills[1].level, 0);
    EXPECT_EQ(devSkill->Skills[1].name, "Умение 2");
    EXPECT_EQ(devSkill->Skills[2].level, 1);
    EXPECT_EQ(devSkill->Skills[2].bar, 0);
    for (int i : {3, 4, 5, 6}) {
      EXPECT_EQ(devSkill->Skills[i].level, 0) << i;
      EXPECT_EQ(devSkill->Skills[i].bar, 4) << i;
      EXPECT_EQ(devSkill->levels[i]->Caption(), "0") << i;
    }
    EXPECT_EQ(devSkill->Skills[7].level, 5);    // the highest itself
    EXPECT_EQ(devSkill->TotalLevels(), 5 + 7);  // the eighth at the highest, seven at 1
  }
  // With the largest highest level, thirteen of them pass the int range: the
  // price of a game counts them as many as it ever counts.
  {
    std::vector<std::string> lines = {"[Skills]"};
    for (int i = 1; i <= 13; ++i) {
      lines.push_back("Skill" + std::to_string(i) + "=Умение " + std::to_string(i));
      lines.push_back("Skill" + std::to_string(i) + "Lev=2147483647");
      lines.push_back("Skill" + std::to_string(i) + "Bar=0");
    }
    GameHarness h(WithSkillLines(lines, {{"Bmax1", "2147483647"}}));
    EXPECT_TRUE(h.exceptions().empty());
    EXPECT_EQ(devSkill->Skills[12].level, 2147483647);
    EXPECT_EQ(devSkill->TotalLevels(), 2147483647);
    menu->DevLanguage = "С++";
    EXPECT_EQ(gameDev->Price(), devrules::GamePrice(engine->Cpplev, false, 10000));
  }
}

TEST(AdvancedSkills, AStepCostsMoreExperienceThanThePriceAndTheEleventhRaisesTheLevel) {
  GameHarness h(Developer({{"Xp", "1000"}, {"Bmax1", "2"}, {"Bmax2", "50"}}));
  EnterGame();
  menu->Hide();
  devSkill->Show();
  EXPECT_EQ(devSkill->info->Caption(), "Шаг навыка стоит 50 опыта; наибольший уровень - 2.");
  for (int k = 1; k <= 10; ++k) h.click(devSkill->plus[0]);
  EXPECT_EQ(dev_test::Xp(), 500);
  EXPECT_EQ(engine->Xp, 500);
  EXPECT_EQ(devSkill->Skills[0].bar, 10);
  EXPECT_TRUE(Filled(0, 10));
  h.click(devSkill->plus[0]);
  EXPECT_EQ(devSkill->Skills[0].level, 1);
  EXPECT_EQ(devSkill->Skills[0].bar, 0);
  EXPECT_EQ(devSkill->levels[0]->Caption(), "1");
  EXPECT_FALSE(Filled(0, 1));

  // Experience equal to the price does not pay for a step.
  menu->xp->Caption = "50";
  h.answerEnter();
  h.click(devSkill->plus[1]);
  EXPECT_EQ(h.messagesShown().back(), "Недостаточно опыта! Для шага навыка нужно больше 50 очков опыта.");
  EXPECT_EQ(devSkill->Skills[1].bar, 0);
  EXPECT_EQ(menu->xp->Caption(), "50");

  // At the highest level no step is sold.
  menu->xp->Caption = "10000";
  devSkill->Skills[1].level = 2;
  h.answerEnter();
  h.click(devSkill->plus[1]);
  EXPECT_EQ(h.messagesShown().back(), "Навык \"" + devSkill->Skills[1].name + "\" уже достиг наибольшего уровня!");
  EXPECT_EQ(menu->xp->Caption(), "10000");

  // Their levels make a game dearer: 50 roubles each.
  EXPECT_EQ(devSkill->TotalLevels(), 3);
  menu->DevLanguage = "С++";
  EXPECT_EQ(gameDev->Price(), 1000 + 3 * 50);

  // Every row is drawn anew on showing; the close label goes to the character sheet.
  devSkill->Skills[5].bar = 3;
  devSkill->Hide();
  devSkill->Show();
  EXPECT_TRUE(Filled(5, 3));
  h.click(devSkill->close);
  EXPECT_FALSE(devSkill->Visible);
  EXPECT_TRUE(person->Visible);
}
