#include "platform/TextFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
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

// Files written where other users may have put something first: a link is
// replaced by the file, its target untouched; a FIFO is no file to write and
// does not hold the writer up, with or without a reader at its other end.
TEST(TextFile, WritingReplacesALinkAndRefusesAFifo) {
  TempFolder folder;
  const std::string players = folder.Write("players.txt", "the player's own");
  const std::vector<std::pair<const char*, std::function<bool(const std::string&)>>> writers = {
      {"SaveLines", [](const std::string& path) { return SaveLines(path, {"new"}); }},
      {"AppendingFile", [](const std::string& path) { return AppendingFile().Write(path, "new\r\n"); }},
  };
  for (const auto& [what, write] : writers) {
    ASSERT_EQ(::symlink(players.c_str(), folder.File("link").c_str()), 0);
    ASSERT_EQ(::symlink(folder.File("made").c_str(), folder.File("dangling").c_str()), 0);
    for (const char* name : {"link", "dangling"}) {
      EXPECT_TRUE(write(folder.File(name))) << what << " " << name;
      EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(folder.File(name)))) << what;
      EXPECT_EQ(folder.Read(name), "new\r\n") << what << " " << name;
    }
    EXPECT_EQ(folder.Read("players.txt"), "the player's own") << what;
    EXPECT_FALSE(std::filesystem::exists(folder.File("made"))) << what;

    const std::string fifo = folder.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ::alarm(10);  // a writer held up ends the test program here
    EXPECT_FALSE(write(fifo)) << what << ": no reader";
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_FALSE(write(fifo)) << what << ": a reader";
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0) << what << ": written into the FIFO";
    ::alarm(0);
    ::close(reader);
    for (const char* name : {"link", "dangling", "fifo"}) std::filesystem::remove(folder.File(name));
  }
}

}  // namespace
}  // namespace platform
