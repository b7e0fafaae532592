// Saving a string list again and again to one file, as the log does: the
// file always holds exactly the list as CP1251 lines ending in CR LF, however
// the list changed and whatever happened to the file in between.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/Cp1251.h"
#include "platform/TempFolder.h"
#include "ui/StringList.h"

namespace ui {
namespace {

using testing_support::TempFolder;

// What the list's file must hold, built line by line.
std::string Expected(const StringList& list) {
  std::string bytes;
  for (const std::string& line : list.Items()) bytes += platform::Utf8ToCp1251(line) + "\r\n";
  return bytes;
}

ino_t Inode(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Gives the file a modification time of its own, as an editor saving it
// later would.
void Touch(const std::string& path, int secondsAhead) {
  timespec times[2];
  ::clock_gettime(CLOCK_REALTIME, &times[0]);
  times[0].tv_sec += secondsAhead;
  times[1] = times[0];
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(StringListSave, TheFileHoldsTheWholeListAfterEverySave) {
  TempFolder folder;
  const std::string path = folder.File("log.txt");
  folder.Write("log.txt", "an earlier run's file, longer than the first save\r\n");
  StringList list;
  list.Add("------- ЗЕНДРИКС 2 -------");
  list.Add("OK");
  for (int i = 0; i < 300; ++i) {
    list.Add("Добавление опыта... " + std::to_string(i) + "  -  12:34:56");
    list.SaveToFile(path);
    ASSERT_EQ(folder.Read("log.txt"), Expected(list)) << "after save " << i;
  }
  // Saving with nothing added keeps the file as it is.
  list.SaveToFile(path);
  EXPECT_EQ(folder.Read("log.txt"), Expected(list));
  // An empty list leaves an empty file.
  list.Clear();
  list.SaveToFile(path);
  EXPECT_EQ(folder.Read("log.txt"), "");
}

TEST(StringListSave, AFileChangedFromOutsideIsWrittenWholeAgain) {
  TempFolder folder;
  const std::string path = folder.File("log.txt");
  StringList list;
  auto addAndSave = [&](const std::string& line) {
    list.Add(line);
    list.SaveToFile(path);
  };
  addAndSave("первая");
  addAndSave("вторая");

  // Truncated.
  ASSERT_EQ(::truncate(path.c_str(), 0), 0);
  addAndSave("третья");
  EXPECT_EQ(folder.Read("log.txt"), Expected(list)) << "after truncation";

  // Cut in the middle of a line.
  ASSERT_EQ(::truncate(path.c_str(), 9), 0);
  addAndSave("четвёртая");
  EXPECT_EQ(folder.Read("log.txt"), Expected(list)) << "after a cut";

  // Edited in place, its size unchanged.
  std::string edited = folder.Read("log.txt");
  edited[0] = 'X';
  folder.Write("log.txt", edited);
  Touch(path, 5);
  addAndSave("пятая");
  EXPECT_EQ(folder.Read("log.txt"), Expected(list)) << "after an edit of the same size";

  // Something added at its end by another program.
  {
    FILE* f = std::fopen(path.c_str(), "ab");
    ASSERT_NE(f, nullptr);
    std::fputs("чужая строка\r\n", f);
    std::fclose(f);
  }
  addAndSave("шестая");
  EXPECT_EQ(folder.Read("log.txt"), Expected(list)) << "after another writer appended";

  // Replaced by another file of the same size.
  const std::string same = folder.Read("log.txt");
  const ino_t before = Inode(path);
  folder.Write("other.txt", std::string(same.size(), 'z'));
  ASSERT_EQ(std::rename(folder.File("other.txt").c_str(), path.c_str()), 0);
  ASSERT_NE(Inode(path), before);
  addAndSave("седьмая");
  EXPECT_EQ(folder.Read("log.txt"), Expected(list)) << "after the file was replaced";

  // Moved aside, as one keeps an old log: the next line starts the file
  // anew at its name, and the moved file is left as it was.
  ASSERT_EQ(std::rename(path.c_str(), folder.File("old.txt").c_str()), 0);
  const std::string aside = folder.Read("old.txt");
  addAndSave("после переноса");
  EXPECT_EQ(folder.Read("log.txt"), Expected(list)) << "after the file was moved aside";
  EXPECT_EQ(folder.Read("old.txt"), aside);

  // Removed.
  ASSERT_TRUE(std::filesystem::remove(path));
  addAndSave("восьмая");
  EXPECT_EQ(folder.Read("log.txt"), Expected(list)) << "after the file was removed";

  // Nothing else happened: the next save only adds its line.
  const ino_t kept = Inode(path);
  addAndSave("девятая");
  EXPECT_EQ(Inode(path), kept);
  EXPECT_EQ(folder.Read("log.txt"), Expected(list));
}

TEST(StringListSave, AFileLeftAloneIsOnlyAddedTo) {
  TempFolder folder;
  const std::string path = folder.File("log.txt");
  StringList list;
  list.Add("первая");
  list.SaveToFile(path);
  // Writing the file whole means opening it again; adding at its end does not.
  const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, path.c_str(), IN_OPEN | IN_MODIFY), 0);
  for (int i = 0; i < 20; ++i) {
    list.Add("строка " + std::to_string(i));
    list.SaveToFile(path);
  }
  EXPECT_EQ(folder.Read("log.txt"), Expected(list));
  int opens = 0, modifications = 0;
  alignas(inotify_event) char buffer[4096];
  for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
    for (char* p = buffer; p < buffer + n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(p);
      opens += (e->mask & IN_OPEN) != 0 ? 1 : 0;
      modifications += (e->mask & IN_MODIFY) != 0 ? 1 : 0;
      p += sizeof(inotify_event) + e->len;
    }
  }
  ::close(watch);
  EXPECT_EQ(opens, 1) << "the file was opened again to be written whole (the one open is the reading above)";
  EXPECT_GE(modifications, 1);  // (the kernel merges events that follow each other)
}

TEST(StringListSave, ListChangesOtherThanAddingRewriteTheFile) {
  TempFolder folder;
  const std::string path = folder.File("list.txt");
  StringList list;
  list.Assign({"один", "два", "три"});
  list.SaveToFile(path);

  list.Put(1, "ДВА");
  list.SaveToFile(path);
  EXPECT_EQ(folder.Read("list.txt"), Expected(list)) << "a line changed";

  list.Delete(0);
  list.Add("четыре");
  list.SaveToFile(path);
  EXPECT_EQ(folder.Read("list.txt"), Expected(list)) << "a line deleted";

  list.Insert(0, "ноль");
  list.SaveToFile(path);
  EXPECT_EQ(folder.Read("list.txt"), Expected(list)) << "a line inserted";

  list.SetText("a\r\nb\r\n");
  list.SaveToFile(path);
  EXPECT_EQ(folder.Read("list.txt"), Expected(list)) << "the text replaced";

  // Saved to another file and back: each file gets the whole list.
  list.Add("c");
  list.SaveToFile(folder.File("other.txt"));
  list.Add("d");
  list.SaveToFile(path);
  EXPECT_EQ(folder.Read("list.txt"), Expected(list));
  EXPECT_EQ(folder.Read("other.txt"), "a\r\nb\r\nc\r\n");

  // A copy of the list never writes into its original's file at the end of
  // what it did not write itself.
  StringList copy = list;
  folder.Write("list.txt", "");
  copy.Add("e");
  copy.SaveToFile(path);
  EXPECT_EQ(folder.Read("list.txt"), Expected(copy));
}

TEST(StringListSave, AFileThatCannotBeWrittenThrowsAndTheNextSaveWritesItWhole) {
  TempFolder folder;
  const std::string path = folder.File("log.txt");
  StringList list;
  list.Add("одна");
  std::filesystem::create_directory(path);  // a folder in the file's place
  EXPECT_THROW(list.SaveToFile(path), std::runtime_error);
  std::filesystem::remove(path);
  list.Add("две");
  list.SaveToFile(path);
  EXPECT_EQ(folder.Read("log.txt"), Expected(list));
}

}  // namespace
}  // namespace ui
