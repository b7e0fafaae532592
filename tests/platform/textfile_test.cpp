#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempFolder.h"

namespace platform {
namespace {

using Lines = std::vector<std::string>;
using testing_support::TempFolder;

Lines Load(const TempFolder& folder, const std::string& bytes) {
  Lines lines{"stale"};
  EXPECT_TRUE(LoadLines(folder.Write("t.txt", bytes), lines));
  return lines;
}

TEST(TextFile, SplitsOnCrLfLfAndLoneCr) {
  TempFolder folder;
  EXPECT_EQ(Load(folder, "a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(Load(folder, "a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(Load(folder, "a\n\rb"), (Lines{"a", "", "b"}));  // LF CR is two breaks
  EXPECT_EQ(Load(folder, "one"), (Lines{"one"}));
  EXPECT_EQ(Load(folder, ""), Lines{});
  EXPECT_EQ(Load(folder, "\r\n"), (Lines{""}));
}

TEST(TextFile, KeepsBytesAsTheyAre) {
  TempFolder folder;
  const std::string bytes("\xCD\xE5\xF2\t\xA7\x00x", 7);
  EXPECT_EQ(Load(folder, bytes + "\r\n"), (Lines{bytes}));
}

TEST(TextFile, SaveEndsEveryLineWithCrLf) {
  TempFolder folder;
  ASSERT_TRUE(SaveLines(folder.File("out.txt"), {"[Game]", "", "Money=5000"}));
  EXPECT_EQ(folder.Read("out.txt"), "[Game]\r\n\r\nMoney=5000\r\n");
  Lines back;
  ASSERT_TRUE(LoadLines(folder.File("out.txt"), back));
  EXPECT_EQ(back, (Lines{"[Game]", "", "Money=5000"}));
  ASSERT_TRUE(SaveLines(folder.File("out.txt"), {}));
  EXPECT_EQ(folder.Read("out.txt"), "");
}

TEST(TextFile, MissingOrUnreadableFilesFailWithoutTouchingTheLines) {
  TempFolder folder;
  Lines lines{"kept"};
  EXPECT_FALSE(LoadLines(folder.File("missing.txt"), lines));
  EXPECT_FALSE(LoadLines(folder.path(), lines));  // a folder, not a file
  EXPECT_EQ(lines, (Lines{"kept"}));
  EXPECT_FALSE(SaveLines(folder.File("no/such/folder.txt"), {"x"}));
}

TEST(TextFile, ExistsAndDelete) {
  TempFolder folder;
  const std::string file = folder.Write("f.txt", "x");
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(folder.path()));
  EXPECT_TRUE(DeleteFile(file));
  EXPECT_FALSE(FileExists(file));
  EXPECT_FALSE(DeleteFile(file));
}

}  // namespace
}  // namespace platform
