// Where the log and the plain copy of the configuration go: a folder only the
// player can write to, never one another user could have made first.
#include "platform/SystemFolder.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

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

// What the folders are in a new process of the same user with the
// environment `variables` (null removes one): the system folder, the cache
// folder, ZENDRIX_SYSTEM_DIR afterwards, and what went to the standard error.
struct Answer {
  std::string system, cache, named, errors;
};
Answer AskAChild(const TempFolder& folder, const std::map<std::string, const char*>& variables) {
  const std::string out = folder.File("answer"), err = folder.File("errors");
  const pid_t child = ::fork();
  if (child == 0) {
    // The child's environment ends with it.
    for (const char* name : {"ZENDRIX_SYSTEM_DIR", "XDG_STATE_HOME", "XDG_CACHE_HOME"}) ::unsetenv(name);
    for (const auto& [name, value] : variables)
      value != nullptr ? ::setenv(name.c_str(), value, 1) : ::unsetenv(name.c_str());
    const int errors = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (errors < 0 || ::dup2(errors, STDERR_FILENO) < 0) ::_exit(2);
    const std::string system = GetSystemDirectoryA();
    const std::string cache = CacheFolder();
    const char* named = std::getenv("ZENDRIX_SYSTEM_DIR");
    std::ofstream(out) << system << "\n" << cache << "\n" << (named != nullptr ? named : "") << "\n";
    ::_exit(0);
  }
  int status = 0;
  EXPECT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  Answer answer;
  std::ifstream in(out);
  std::getline(in, answer.system);
  std::getline(in, answer.cache);
  std::getline(in, answer.named);
  answer.errors = folder.Read("errors");
  return answer;
}

// Whether the user's own group has the user alone in it, as the system gives
// each user a group of their own; not so where users share one.
bool OwnGroupIsTheUsersAlone() {
  const passwd* me = ::getpwuid(::geteuid());
  if (me == nullptr) return false;
  const std::string name = me->pw_name;
  const uid_t uid = me->pw_uid;
  const gid_t gid = me->pw_gid;
  const group* own = ::getgrgid(gid);
  if (own == nullptr) return false;
  for (char** member = own->gr_mem; *member != nullptr; ++member) {
    if (name != *member) return false;
  }
  ::setpwent();
  bool alone = true;
  while (const passwd* other = ::getpwent()) alone = alone && (other->pw_gid != gid || other->pw_uid == uid);
  ::endpwent();
  return alone;
}

// The folders a player sets up the usual ways are taken, for any user: made
// by the game, a link to a folder of the player's own (as dotfile managers
// place them), and one the player's own group may write to, where that group
// is the player's alone. A folder others may write to, or a group of several
// users, is refused: the run then makes a folder of its own under TMPDIR, or
// under /tmp when TMPDIR will not do, and names it.
TEST(SystemFolder, TheFolderThePlayerSetUpIsTakenAndOnlyThat) {
  namespace fs = std::filesystem;
  TempFolder folder;
  const std::string home = folder.File("home"), state = home + "/.local/state/zendrix2";
  const std::string cache = home + "/.cache/zendrix2";
  const std::string temporary = folder.File("tmp");
  fs::create_directories(temporary);
  auto ask = [&](const char* tmpdir = nullptr) {
    return AskAChild(folder, {{"HOME", home.c_str()}, {"TMPDIR", tmpdir != nullptr ? tmpdir : temporary.c_str()}});
  };
  auto taken = [&](const std::string& what) {
    const Answer answer = ask();
    EXPECT_EQ(answer.system, state) << what;
    EXPECT_EQ(answer.cache, cache) << what;
    EXPECT_EQ(answer.named, "") << what;
    EXPECT_EQ(answer.errors, "") << what;
  };
  auto refused = [&](const std::string& what) {
    const Answer answer = ask();
    EXPECT_EQ(answer.system.rfind(temporary + "/zendrix2-", 0), 0u) << what << ": " << answer.system;
    EXPECT_EQ(answer.named, answer.system) << what;
    EXPECT_NE(answer.errors.find(answer.system), std::string::npos) << what << ": " << answer.errors;
    EXPECT_EQ(answer.cache, cache) << what << ": the cache has a folder of its own";
    EXPECT_TRUE(fs::is_empty(state)) << what;
  };

  taken("a home without the folders");
  struct stat made {};
  ASSERT_EQ(::lstat(state.c_str(), &made), 0);
  EXPECT_TRUE(S_ISDIR(made.st_mode));
  EXPECT_EQ(made.st_mode & 07777, 0700u);

  // A link to a folder of the player's own.
  fs::remove(state);
  fs::create_directories(home + "/dotfiles/state");
  fs::permissions(home + "/dotfiles/state", fs::perms::owner_all);
  fs::create_directory_symlink(home + "/dotfiles/state", state);
  taken("a link to a folder of the player's own");

  // Open to everyone, itself or where a link leads.
  fs::permissions(home + "/dotfiles/state", fs::perms::all);
  refused("a link to a folder open to everyone");
  fs::remove(state);
  fs::create_directory(state);
  fs::permissions(state, fs::perms::all);
  refused("a folder open to everyone");
  fs::permissions(state, fs::perms::owner_all | fs::perms::others_write | fs::perms::others_exec);
  refused("a folder others may write to");

  // TMPDIR that will not do: /tmp.
  const Answer fallback = ask("/nonexistent");
  EXPECT_EQ(fallback.system.rfind("/tmp/zendrix2-", 0), 0u) << fallback.system;
  EXPECT_EQ(fallback.named, fallback.system);
  if (fallback.system.rfind("/tmp/zendrix2-", 0) == 0) fs::remove_all(fallback.system);

  // Written to by the player's own group.
  fs::permissions(state, fs::perms::owner_all | fs::perms::group_all | fs::perms::others_read | fs::perms::others_exec);
  if (OwnGroupIsTheUsersAlone()) {
    taken("a folder its owner's group of one may write to");
  } else {
    refused("a folder its owner's group may write to, with other users in it");
  }
  // A group that is not the player's own: any other, for the administrator;
  // another group the player is in, for a user.
  gid_t another = ::getgid() + 1;
  if (::geteuid() != 0) {
    std::vector<gid_t> groups(static_cast<size_t>(std::max(::getgroups(0, nullptr), 0)));
    groups.resize(static_cast<size_t>(std::max(::getgroups(static_cast<int>(groups.size()), groups.data()), 0)));
    another = ::getgid();
    for (gid_t g : groups) another = g != ::getgid() ? g : another;
  }
  if (another != ::getgid() && ::chown(state.c_str(), static_cast<uid_t>(-1), another) == 0) {
    refused("a folder another group may write to");
  }
}

// The folders on the way count as much as the folder itself: one another
// user could change (open to all without the sticky bit, or theirs) lets
// them move the player's folder away and put one of theirs in its place
// between the check and the write. So the run then keeps its own folder,
// and nothing is made where such a user could have put something first.
TEST(SystemFolder, EveryFolderOnTheWayMustBeTheUsersOrTheAdministrators) {
  namespace fs = std::filesystem;
  TempFolder folder;
  const std::string temporary = folder.File("tmp");
  fs::create_directories(temporary);
  auto ask = [&](const std::string& home) {
    return AskAChild(folder, {{"HOME", home.c_str()}, {"TMPDIR", temporary.c_str()}});
  };
  auto ownFolderTaken = [&](const std::string& home) { return ask(home).system == home + "/.local/state/zendrix2"; };
  auto makeFolder = [](const std::string& path, fs::perms mode) {
    fs::create_directories(path);
    fs::permissions(path, mode);
  };
  const fs::perms openToAll = fs::perms::all;

  // Where the link leads: the player's folder in one open to all.
  const std::string home = folder.File("home");
  makeFolder(home + "/.local/state", fs::perms::owner_all);
  makeFolder(folder.File("open"), openToAll);
  makeFolder(folder.File("open/state"), fs::perms::owner_all);
  fs::create_directory_symlink(folder.File("open/state"), home + "/.local/state/zendrix2");
  EXPECT_FALSE(ownFolderTaken(home)) << "a link to a folder in one open to all";
  fs::permissions(folder.File("open"), openToAll | fs::perms::sticky_bit);
  EXPECT_TRUE(ownFolderTaken(home)) << "a link to a folder in one open to all with the sticky bit";
  fs::remove(home + "/.local/state/zendrix2");

  // A folder above it a link into a folder open to all: nothing is made there.
  fs::remove(home + "/.local/state");
  makeFolder(folder.File("open-too"), openToAll);
  makeFolder(folder.File("open-too/state"), fs::perms::owner_all);
  fs::create_directory_symlink(folder.File("open-too/state"), home + "/.local/state");
  EXPECT_FALSE(ownFolderTaken(home)) << "~/.local/state a link into a folder open to all";
  EXPECT_FALSE(fs::exists(folder.File("open-too/state/zendrix2")));
  fs::remove(home + "/.local/state");

  // The link itself in a folder open to all, though it leads to the
  // player's own: another user may put another link in its place.
  makeFolder(home + "/own/state", fs::perms::owner_all);
  fs::permissions(home + "/.local", openToAll);
  fs::create_directory_symlink(home + "/own/state", home + "/.local/state");
  EXPECT_FALSE(ownFolderTaken(home)) << "a link kept in a folder open to all";
  fs::permissions(home + "/.local", fs::perms::owner_all);
  EXPECT_TRUE(ownFolderTaken(home)) << "the same link in a folder of the player's own";

  // A home folder open to all: neither folder is made in it.
  const std::string openHome = folder.File("open-home");
  makeFolder(openHome, openToAll);
  const Answer answer = ask(openHome);
  EXPECT_EQ(answer.system.rfind(temporary + "/zendrix2-", 0), 0u) << answer.system;
  EXPECT_EQ(answer.cache, "");
  EXPECT_TRUE(fs::is_empty(openHome));

  // A folder on the way that is another user's, though no one else may
  // write to it.
  if (::geteuid() != 0) return;
  uid_t stranger = 54321;
  while (::getpwuid(stranger) != nullptr) ++stranger;
  const std::string theirs = folder.File("theirs");
  makeFolder(theirs + "/state", fs::perms::owner_all);
  fs::permissions(theirs, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  ASSERT_EQ(::chown(theirs.c_str(), stranger, stranger), 0);
  fs::remove(home + "/.local/state");
  fs::create_directory_symlink(theirs + "/state", home + "/.local/state");
  EXPECT_FALSE(ownFolderTaken(home)) << "a link into another user's folder";
}

// The group of a folder may write to it only when the group is the
// player's alone: the player's account's group, with no other member, and
// no other account that has it as its own.
TEST(SystemFolder, AGroupMayWriteOnlyWhenItIsThePlayersAlone) {
  const Account me{"ivan", 1000, 1000};
  EXPECT_TRUE(GroupOfOneUser(1000, me, {}, {}));
  EXPECT_TRUE(GroupOfOneUser(1000, me, {"ivan"}, {me}));
  EXPECT_FALSE(GroupOfOneUser(100, me, {}, {})) << "not the player's account's group";
  EXPECT_FALSE(GroupOfOneUser(1000, me, {"ivan", "petr"}, {me})) << "another member";
  EXPECT_FALSE(GroupOfOneUser(1000, me, {}, {me, Account{"petr", 1001, 1000}})) << "another account's own group";
  EXPECT_TRUE(GroupOfOneUser(1000, me, {}, {Account{"ivan2", 1000, 1000}})) << "another name of the same user";
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
