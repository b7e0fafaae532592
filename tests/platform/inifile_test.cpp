#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempFolder.h"

namespace platform {
namespace {

using Lines = std::vector<std::string>;
using testing_support::TempFolder;

// The file on disk is CP1251, as the game's plain copies are.
const char kSample[] =
    "; comment\r\n"
    "Orphan=before any section\r\n"
    "[Game]\r\n"
    "Money=5000\r\n"
    "  Office = \xED\xE5\xF2 \r\n"  // "нет" with blanks around
    "Formula=a=b=c\r\n"
    "Empty=\r\n"
    "no equals sign\r\n"
    "MONEY=1\r\n"
    "\r\n"
    "[Other]\r\n"
    "Money=7\r\n"
    "[game]\r\n"
    "Late=1\r\n";

TEST(IniFile, ReadsTheSectionWithoutRegardToCase) {
  TempFolder folder;
  const IniFile ini(folder.Write("config.ini", kSample));
  const Lines game = ini.ReadSectionValues("GAME");
  EXPECT_EQ(game, (Lines{"Money=5000", "Office=нет", "Formula=a=b=c", "Empty=", "MONEY=1", "Late=1"}));
  EXPECT_EQ(ini.ReadSectionValues("other"), (Lines{"Money=7"}));
  EXPECT_TRUE(ini.ReadSectionValues("Skills").empty());
}

TEST(IniFile, ValueOfFindsTheFirstKeyOfAnyCase) {
  TempFolder folder;
  const Lines game = IniFile(folder.Write("config.ini", kSample)).ReadSectionValues("Game");
  EXPECT_EQ(ValueOf(game, "money"), "5000");  // the first of Money and MONEY
  EXPECT_EQ(ValueOf(game, "Office"), "нет");
  EXPECT_EQ(ValueOf(game, "formula"), "a=b=c");  // everything after the first '='
  EXPECT_EQ(ValueOf(game, "Empty"), "");
  EXPECT_EQ(ValueOf(game, "Missing"), "");
  EXPECT_EQ(ValueOf(game, "Mone"), "");
  EXPECT_EQ(ValueOf(game, "Orphan"), "");
}

TEST(IniFile, RussianKeysFoldCaseToo) { EXPECT_EQ(ValueOf({"Ключ=да"}, "КЛЮЧ"), "да"); }

TEST(IniFile, MissingFileReadsAsEmpty) {
  TempFolder folder;
  EXPECT_TRUE(IniFile(folder.File("none.ini")).ReadSectionValues("Game").empty());
  EXPECT_TRUE(IniFile(folder.path()).ReadSectionValues("Game").empty());
}

}  // namespace
}  // namespace platform
