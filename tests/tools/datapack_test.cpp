// The data packer and what it produced in the program folder.
#include "../../tools/datapack/DataPack.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "../platform/TempFolder.h"
#include "engine/Scramble.h"
#include "platform/Conversions.h"
#include "platform/Cp1251.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

namespace {

using datapack::kConfigKeys;
using datapack::ValueKind;
using ::testing::HasSubstr;
using testing_support::TempFolder;

const std::string kGameDir = ZX_GAME_DIR;

// ---- The key table --------------------------------------------------------

TEST(ConfigKeys, HoldsThe180KeysOfTheFourForms) {
  std::map<ValueKind, int> count;
  for (const auto& key : kConfigKeys) ++count[key.kind];
  EXPECT_EQ(count[ValueKind::kNumber], 89);
  EXPECT_EQ(count[ValueKind::kFlag], 14);
  EXPECT_EQ(count[ValueKind::kNumberFlag], 2);
  EXPECT_EQ(count[ValueKind::kText], 75);
  EXPECT_EQ(kConfigKeys.front().name, "Cppbar");
  EXPECT_EQ(kConfigKeys.back().name, "Studing");
  for (size_t i = 0; i < kConfigKeys.size(); ++i) {
    for (size_t j = i + 1; j < kConfigKeys.size(); ++j) {
      EXPECT_FALSE(platform::SameText(kConfigKeys[i].name, kConfigKeys[j].name)) << kConfigKeys[i].name;
    }
  }
}

// ---- The packed files in the program folder -------------------------------

std::vector<std::string> Unscrambled(const std::string& path) {
  std::vector<std::string> lines;
  EXPECT_TRUE(platform::LoadLines(path, lines)) << path;
  for (std::string& line : lines) line = platform::Cp1251ToUtf8(ScrambleLine(line, kScrambleKey));
  return lines;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool OnlyCrLfBreaks(const std::string& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return false;
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
  }
  return bytes.empty() || (bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n");
}

TEST(PackedConfig, EveryKeyStandsOnceAfterTheRoundTrip) {
  const std::vector<std::string> lines = Unscrambled(kGameDir + "/config.pc");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "[Game]");
  std::map<std::string, int> seen;
  for (size_t i = 1; i < lines.size(); ++i) {
    const size_t eq = lines[i].find('=');
    ASSERT_NE(eq, std::string::npos) << lines[i];
    ++seen[lines[i].substr(0, eq)];
  }
  EXPECT_EQ(seen.size(), kConfigKeys.size());
  for (const auto& key : kConfigKeys) EXPECT_EQ(seen[std::string(key.name)], 1) << key.name;
  EXPECT_TRUE(OnlyCrLfBreaks(ReadBytes(kGameDir + "/config.pc")));
}

// The configuration as the engine reads it: the plain copy through the INI
// reader, each key converted by its form.
class StartingState : public ::testing::Test {
 protected:
  void SetUp() override {
    TempFolder folder;
    ASSERT_TRUE(platform::SaveLines(folder.File("config.pc"), PlainCopy()));
    lines_ = platform::IniFile(folder.File("config.pc")).ReadSectionValues("Game");
  }
  static std::vector<std::string> PlainCopy() {
    std::vector<std::string> lines;
    EXPECT_TRUE(platform::LoadLines(kGameDir + "/config.pc", lines));
    for (std::string& line : lines) line = ScrambleLine(line, kScrambleKey);
    return lines;
  }
  std::string Text(std::string_view key) const { return platform::ValueOf(lines_, key); }
  int Number(std::string_view key) const { return platform::StrToInt(Text(key)); }
  bool Flag(std::string_view key) const { return platform::StrToBool(Text(key)); }

  std::vector<std::string> lines_;
};

TEST_F(StartingState, EveryValueConvertsByItsForm) {
  for (const auto& key : kConfigKeys) {
    switch (key.kind) {
      case ValueKind::kNumber:
      case ValueKind::kNumberFlag:
        EXPECT_NO_THROW(Number(key.name)) << key.name << "=" << Text(key.name);
        break;
      case ValueKind::kFlag:
        EXPECT_NO_THROW(Flag(key.name)) << key.name << "=" << Text(key.name);
        break;
      case ValueKind::kText:
        break;
    }
  }
}

TEST_F(StartingState, AgreesWithTheGameScreen) {
  // 2 Сентябрь 2006, Среда.
  EXPECT_EQ(Number("Nday"), 0);
  EXPECT_EQ(Number("Nmonth"), 0);
  EXPECT_EQ(Number("Mday"), 31);
  EXPECT_EQ(Number("Xp"), 10);
  EXPECT_EQ(Number("St"), 350);
  EXPECT_EQ(Number("Home"), 0);
  EXPECT_EQ(Number("MaxFun"), 30);
  EXPECT_GT(Number("Fun"), 0);
  EXPECT_LE(Number("Fun"), Number("MaxFun"));
  EXPECT_GT(Number("Health"), 0);
  EXPECT_LE(Number("Health"), 100);
  EXPECT_FALSE(Flag("OnPlay"));
  EXPECT_FALSE(Flag("OnGame"));
  EXPECT_EQ(Text("Mark"), "Студент");
  EXPECT_EQ(Text("Office"), "нет");
  EXPECT_EQ(Number("Zp"), 0);
  EXPECT_FALSE(Flag("Work"));
  EXPECT_TRUE(Flag("Student"));
  EXPECT_EQ(Number("Studing"), 0);  // the university's chooser works only from 0
  EXPECT_FALSE(Text("Status").empty());
}

TEST_F(StartingState, AnEmptyComputer) {
  for (const char* slot :
       {"Mboard", "Processor", "Ozu1", "Ozu2", "Ozu3", "Ozu4", "Video", "Disk", "Modem", "Monitor"}) {
    EXPECT_EQ(Text(slot), "нет") << slot;
  }
  EXPECT_FALSE(Flag("Computer"));
  EXPECT_FALSE(Flag("Amd"));
  EXPECT_FALSE(Flag("Intel"));
  EXPECT_EQ(Number("ModemType"), 0);
  EXPECT_EQ(Number("DiskSpace"), 100);
  EXPECT_FALSE(Flag("IsTextEditor"));
}

TEST_F(StartingState, TheFixedKitCostsWhatTheShopsAsk) {
  EXPECT_EQ(Number("Hdd2c"), 2400);
  EXPECT_EQ(Number("Mb1ic"), 1780);
  EXPECT_EQ(Number("Mon1c"), 4000);
  EXPECT_EQ(Number("Pr1ic"), 2100);
  EXPECT_EQ(Number("Ram1c"), 680);
  EXPECT_EQ(Number("Vid1gc"), 3400);
  // A new student cannot buy a whole computer at once.
  EXPECT_GT(Number("Money"), 0);
  EXPECT_LT(Number("Money"), 2400 + 1780 + 4000 + 2100 + 680 + 3400);
}

TEST_F(StartingState, CatalogueNamesTheRulesDependOn) {
  EXPECT_EQ(Text("Mod1"), "Sprinter 56k");
  EXPECT_EQ(Text("Mod2"), "Sprinter ADSL");
  EXPECT_EQ(Text("Os3"), "Windows Vista Basic");
  EXPECT_EQ(Text("Os4"), "Windows Vista Ultimate");
  // The platform rule tells boards and processors apart by name alone.
  std::set<std::string> platformNames;
  for (const char* key : {"Mb1i", "Mb2i", "Mb3i", "Mb1a", "Mb2a", "Mb3a", "Pr1i", "Pr2i", "Pr3i", "Pr4i", "Pr1a",
                          "Pr2a", "Pr3a", "Pr4a"}) {
    platformNames.insert(Text(key));
  }
  EXPECT_EQ(platformNames.size(), 14u);
  // The install screen tells programs apart by name alone.
  std::set<std::string> programs;
  for (const char* key : {"Os1",   "Os2",   "Os3", "Os4", "Of1", "Of2", "Of3", "Kcpp1", "Kcpp2", "Kpas1", "Kpas2",
                          "Kphp1", "Kphp2", "G1",  "G2",  "G3",  "G4",  "G5",  "G6",    "G7",    "G8",    "G9"}) {
    programs.insert(Text(key));
  }
  EXPECT_EQ(programs.size(), 22u);
}

TEST_F(StartingState, EveryItemHasANameAndAPrice) {
  for (size_t i = 0; i < kConfigKeys.size(); ++i) {
    const std::string name(kConfigKeys[i].name);
    const bool catalogue = i >= 62 && i <= 167;  // from Mb1i to Gc
    if (!catalogue) continue;
    if (kConfigKeys[i].kind == ValueKind::kText) {
      EXPECT_FALSE(Text(name).empty()) << name;
      EXPECT_NE(Text(name), "нет") << name;
    } else {
      EXPECT_GT(Number(name), 0) << name;
    }
  }
  EXPECT_EQ(kConfigKeys[62].name, "Mb1i");
  EXPECT_EQ(kConfigKeys[167].name, "Gc");
}

TEST(PackedSkills, HoldsTheSkillsSection) {
  const std::vector<std::string> lines = Unscrambled(kGameDir + "/skill.pc");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "[Skills]");
  EXPECT_TRUE(OnlyCrLfBreaks(ReadBytes(kGameDir + "/skill.pc")));
}

TEST(PackedInstructions, FitTheInstructionsScreen) {
  const std::string bytes = ReadBytes(kGameDir + "/instruct.pf");
  EXPECT_TRUE(OnlyCrLfBreaks(bytes));
  EXPECT_EQ(bytes.find('\x98'), std::string::npos);
  // Typed at 20 characters a second, every line break counting two.
  EXPECT_GE(bytes.size(), 1500u);
  EXPECT_LE(bytes.size(), 2600u);
  std::vector<std::string> lines;
  ASSERT_TRUE(platform::LoadLines(kGameDir + "/instruct.pf", lines));
  EXPECT_LE(lines.size(), 30u);
  for (const std::string& line : lines) EXPECT_LE(line.size(), 115u) << platform::Cp1251ToUtf8(line);
  const std::string text = platform::Cp1251ToUtf8(bytes);
  EXPECT_THAT(text, HasSubstr("Alt+Enter"));
  for (const char* secret : {"Alt+K", "Alt+S", "Alt+T"}) EXPECT_THAT(text, ::testing::Not(HasSubstr(secret)));
}

// ---- The packer's checks --------------------------------------------------

std::string ValidConfig(std::string_view extraLine = {}, std::string_view dropKey = {}) {
  std::string text = "; a comment\n\n[Game]\n";
  for (const auto& key : kConfigKeys) {
    if (key.name == dropKey) continue;
    text += std::string(key.name) + "=" + (key.kind == ValueKind::kText ? "нет" : "0") + "\n";
  }
  if (!extraLine.empty()) text += std::string(extraLine) + "\n";
  return text;
}

datapack::Result PackConfig(const std::string& text) { return datapack::PackIni(text, "cfg.ini", "Game", kConfigKeys); }

constexpr size_t kExtraLine = 4 + kConfigKeys.size();  // line number of ValidConfig's extra line

TEST(PackIni, DropsCommentsAndNormalisesLines) {
  std::string text = ValidConfig();
  text.replace(text.find("Money=0"), 7, "  money =  5000 ");
  const datapack::Result r = PackConfig(text);
  ASSERT_TRUE(r.ok()) << r.error;
  ASSERT_EQ(r.lines.size(), 1 + kConfigKeys.size());
  EXPECT_EQ(ScrambleLine(r.lines[0], kScrambleKey), "[Game]");
  EXPECT_EQ(ScrambleLine(r.lines[11], kScrambleKey), "Money=5000");
  EXPECT_EQ(platform::Cp1251ToUtf8(ScrambleLine(r.lines[16], kScrambleKey)), "Mark=нет");
}

TEST(PackIni, RefusesMissingDoubledAndUnknownKeys) {
  EXPECT_THAT(PackConfig(ValidConfig({}, "Xp")).error, HasSubstr("cfg.ini: missing key(s): Xp"));
  const std::string line = "cfg.ini:" + std::to_string(kExtraLine) + ": ";
  EXPECT_THAT(PackConfig(ValidConfig("money=1")).error, HasSubstr(line + "key 'Money' already stands on line 14"));
  EXPECT_THAT(PackConfig(ValidConfig("Moneys=1")).error, HasSubstr(line + "unknown key 'Moneys'"));
  EXPECT_THAT(PackConfig(ValidConfig("just words")).error, HasSubstr(line + "not a Key=Value line"));
}

TEST(PackIni, RefusesValuesOfTheWrongForm) {
  std::string text = ValidConfig();
  const auto with = [&](std::string_view from, std::string_view to) {
    std::string t = text;
    t.replace(t.find(from), from.size(), to);
    return PackConfig(t).error;
  };
  EXPECT_THAT(with("\nMoney=0", "\nMoney=5 000"),
              HasSubstr("cfg.ini:14: value '5 000' of Money is not a whole number"));
  EXPECT_THAT(with("\nCanCar=0", "\nCanCar=True"), HasSubstr("of CanCar must be a whole number"));
  EXPECT_THAT(with("\nWork=0", "\nWork=yes"), HasSubstr("of Work is neither a number nor True/False"));
  EXPECT_THAT(with("\nDolg=0", "\nDolg="), HasSubstr("value '' of Dolg"));
  EXPECT_EQ(with("\nWork=0", "\nWork=True"), "");
  EXPECT_EQ(with("\nBmonth=нет", "\nBmonth="), "");
}

TEST(PackIni, RefusesCharactersThatDoNotSurviveTheTrip) {
  // The status text moved to the end of the file, where it stands on line 183.
  const auto status = [](std::string_view value) {
    return PackConfig(ValidConfig("Status=" + std::string(value), "Status")).error;
  };
  EXPECT_EQ(status("Первокурсник"), "");
  EXPECT_THAT(status("Єва"), HasSubstr("cfg.ini:183: character 'Є' (U+0404) becomes a CR"));
  EXPECT_THAT(status("a\u00ADb"), HasSubstr("cfg.ini:183: character '\u00AD' (U+00AD) becomes an LF"));
  EXPECT_THAT(status("§1"), HasSubstr("cfg.ini:183: character '§' (U+00A7) becomes a NUL"));
  EXPECT_THAT(status("Müller"), HasSubstr("cfg.ini:183: character 'ü' (U+00FC) cannot be written in CP1251"));
  EXPECT_THAT(status("a\xC3"), HasSubstr("cfg.ini:183: malformed UTF-8"));
  EXPECT_THAT(status("a\x01"), HasSubstr("cfg.ini:183: control character U+0001"));
}

TEST(PackIni, OneSectionOfTheRightName) {
  EXPECT_THAT(PackConfig("Money=1\n[Game]\n").error, HasSubstr("cfg.ini:1: a line before the [Game] section"));
  EXPECT_THAT(PackConfig("[Skills]\n").error, HasSubstr("cfg.ini:1: section [Skills], expected [Game]"));
  EXPECT_THAT(PackConfig(ValidConfig("[Game]")).error, HasSubstr("a second section [Game]"));
  EXPECT_THAT(PackConfig("; nothing\n").error, HasSubstr("cfg.ini: no [Game] section"));
  EXPECT_THAT(PackConfig("[Game\n").error, HasSubstr("cfg.ini:1: a section header must end with ']'"));
}

TEST(PackIni, FreeKeysButEachOnlyOnce) {
  const datapack::Result ok = datapack::PackIni("[Skills]\nA=1\nB=x\n", "s.ini", "Skills");
  ASSERT_TRUE(ok.ok()) << ok.error;
  EXPECT_EQ(ok.lines.size(), 3u);
  EXPECT_THAT(datapack::PackIni("[Skills]\nA=1\na=2\n", "s.ini", "Skills").error,
              HasSubstr("s.ini:3: key 'a' already stands on line 2"));
  EXPECT_TRUE(datapack::PackIni("\xEF\xBB\xBF[Skills]\r\n", "s.ini", "Skills").ok());
}

TEST(PackText, KeepsEveryLineAndRefusesForeignCharacters) {
  const datapack::Result r = datapack::PackText("Привет!\r\n\r\n§ Ё №\n", "t.txt");
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.lines, (std::vector<std::string>{"\xCF\xF0\xE8\xE2\xE5\xF2!", "", "\xA7 \xA8 \xB9"}));
  EXPECT_THAT(datapack::PackText("ok\nnaïve\n", "t.txt").error, HasSubstr("t.txt:2: character 'ï' (U+00EF) cannot"));
}

}  // namespace
