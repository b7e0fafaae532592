// Where the log and the plain copy of the configuration go: a folder only the
// player can write to, never one another user could have made first.
#include "platform/SystemFolder.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "platform/TextFile.h"

namespace platform {
namespace {

using testing_support::TempFolder;

// How a path stands: its kind, owner, mode, size and modification time.
std::string Standing(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return "-";
  return std::to_string(info.st_mode) + " " + std::to_string(info.st_uid) + " " + std::to_string(info.st_size) + " " +
         std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec);
}

// A user with no home folder, then one whose home holds the game's folders
// made first by another user, open to all, with the log a link to a file of
// the player's: the run writes to a new folder of its own that only the
// player may enter, the same all through the run and named to the programs
// it starts, and nothing is written through the links.
TEST(SystemFolder, WithoutAFolderOfThePlayersOwnTheRunMakesAPrivateOne) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can become a user the password database does not know";
  uid_t stranger = 54321;
  while (::getpwuid(stranger) != nullptr) ++stranger;
  namespace fs = std::filesystem;
  TempFolder folder;
  fs::permissions(folder.path(), fs::perms::all);
  const std::string players = folder.Write("players.txt", "the player's own");
  ASSERT_EQ(::chown(players.c_str(), stranger, stranger), 0);
  const std::string temporary = folder.File("tmp");
  fs::create_directory(temporary);
  fs::permissions(temporary, fs::perms::all | fs::perms::sticky_bit);
  const std::string home = folder.File("home");
  for (const std::string& made : {home + "/.local/state/zendrix2", home + "/.cache/zendrix2"}) {
    fs::create_directories(made);
    fs::permissions(made, fs::perms::all);
    for (const char* name : {"/ZendrixLog.log", "/config.pc"}) fs::create_symlink(players, made + name);
  }
  const std::string shared = "/tmp/.local/state/zendrix2/ZendrixLog.log";
  const std::string sharedBefore = Standing(shared);

  for (const char* homeFolder : {static_cast<const char*>(nullptr), home.c_str()}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // The child's environment ends with it.
      for (const char* name : {"ZENDRIX_SYSTEM_DIR", "XDG_STATE_HOME", "XDG_CACHE_HOME"}) ::unsetenv(name);
      homeFolder != nullptr ? ::setenv("HOME", homeFolder, 1) : ::unsetenv("HOME");
      ::setenv("TMPDIR", temporary.c_str(), 1);
      if (::setgid(stranger) != 0 || ::setuid(stranger) != 0) ::_exit(2);
      const std::string run = GetSystemDirectoryA();
      struct stat info {};
      if (::lstat(run.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != stranger ||
          (info.st_mode & 07777) != 0700) {
        ::_exit(3);
      }
      if (run.rfind(temporary + "/zendrix2-", 0) != 0) ::_exit(4);
      const char* named = std::getenv("ZENDRIX_SYSTEM_DIR");
      if (GetSystemDirectoryA() != run || named == nullptr || named != run) ::_exit(5);
      if (!CacheFolder().empty()) ::_exit(6);
      AppendingFile log;
      if (!log.Write(GetSystemDirectoryA() + "/ZendrixLog.log", "log\r\n") ||
          !SaveLines(GetSystemDirectoryA() + "/config.pc", {"[Game]"}) ||
          !log.Write(GetSystemDirectoryA() + "/ZendrixLog.log", "log again\r\n")) {
        ::_exit(7);
      }
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    const std::string what = homeFolder != nullptr ? "a home folder made by another user" : "no home folder";
    ASSERT_TRUE(WIFEXITED(status)) << what;
    EXPECT_EQ(WEXITSTATUS(status), 0) << what
                                      << ": 2 could not become the stranger, 3 the folder is not private, 4 not a new "
                                         "folder, 5 not the same each time, 6 a cache folder, 7 could not write";
    EXPECT_EQ(folder.Read("players.txt"), "the player's own") << what;
  }
  EXPECT_EQ(Standing(shared), sharedBefore);
}

}  // namespace
}  // namespace platform
