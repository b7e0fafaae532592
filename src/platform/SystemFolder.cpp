#include "platform/SystemFolder.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {

// The user's own home folder: HOME when set, else the password database's
// entry; empty when neither names one.
std::string OwnHomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr && *pw->pw_dir != '\0') {
    return pw->pw_dir;
  }
  return "";
}

void DropTrailingSeparators(std::string& folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
}

void MakeFolders(const std::string& path) {
  for (size_t pos = 1; pos <= path.size(); ++pos) {
    if (pos == path.size() || path[pos] == '/') {
      const std::string part = path.substr(0, pos);
      if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return;
    }
  }
}

// Whether group `gid` is the user's own and no one else's: the user's own group
// (as the system gives every user one of their own), of which no other user
// is a member, whether named in the group or by the group of their account.
bool GroupOfTheUserAlone(gid_t gid) {
  const passwd* me = ::getpwuid(::geteuid());
  if (me == nullptr || me->pw_name == nullptr || me->pw_gid != gid) return false;
  const std::string name = me->pw_name;
  const uid_t uid = me->pw_uid;
  const group* entry = ::getgrgid(gid);
  if (entry == nullptr) return false;
  for (char** member = entry->gr_mem; member != nullptr && *member != nullptr; ++member) {
    if (name != *member) return false;
  }
  bool alone = true;
  ::setpwent();
  while (const passwd* other = ::getpwent()) {
    if (other->pw_gid == gid && other->pw_uid != uid) {
      alone = false;
      break;
    }
  }
  ::endpwent();
  return alone;
}

// `under` the user's own home folder, made when missing. Taken only when
// what it names (through a link too, as dotfile managers place them) is a
// folder of this user's that no other user may write to: another user could
// otherwise have made it first and put links in it. A group may write to it
// only when the group is the user's alone. Empty when it is not, or without
// a home folder.
std::string OwnFolder(const char* under) {
  const std::string home = OwnHomeFolder();
  if (home.empty()) return "";
  std::string folder = home + under;
  DropTrailingSeparators(folder);
  MakeFolders(folder);
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() ||
      (info.st_mode & S_IWOTH) != 0 || ((info.st_mode & S_IWGRP) != 0 && !GroupOfTheUserAlone(info.st_gid))) {
    return "";
  }
  return folder;
}

// A new folder of this run's own, open to this user only, under the
// temporary folder (TMPDIR, or /tmp when that one will not do); the programs
// the game starts find it through ZENDRIX_SYSTEM_DIR. Empty when none can
// be made.
std::string MakeRunFolder() {
  std::vector<std::string> places;
  if (const char* temporary = std::getenv("TMPDIR"); temporary != nullptr && *temporary == '/') {
    places.emplace_back(temporary);
  }
  places.emplace_back("/tmp");
  for (std::string folder : places) {
    DropTrailingSeparators(folder);
    if (folder.back() != '/') folder += '/';
    folder += "zendrix2-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) continue;
    ::setenv("ZENDRIX_SYSTEM_DIR", folder.c_str(), 1);
    std::fprintf(stderr,
                 "%s: журнал этого запуска лежит в %s, папку задает ZENDRIX_SYSTEM_DIR / "
                 "this run's log is in %s; ZENDRIX_SYSTEM_DIR chooses the folder\n",
                 program_invocation_short_name, folder.c_str(), folder.c_str());
    return folder;
  }
  return "";
}

}  // namespace

std::string GetSystemDirectoryA() {
  // Made at most once: every later call returns the same folder.
  static std::string runFolder;
  std::string folder;
  if (const char* own = std::getenv("ZENDRIX_SYSTEM_DIR"); own != nullptr && *own != '\0') {
    folder = own;
  } else if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state == '/') {
    folder = std::string(state) + "/zendrix2";
  } else if (!runFolder.empty()) {
    return runFolder;
  } else if (std::string picked = OwnFolder("/.local/state/zendrix2"); !picked.empty()) {
    return picked;
  } else {
    // Empty when not even that can be made: a folder refused is never used.
    runFolder = MakeRunFolder();
    return runFolder;
  }
  DropTrailingSeparators(folder);
  MakeFolders(folder);
  return folder;
}

std::string CacheFolder() {
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && *cache == '/') {
    const std::string folder = std::string(cache) + "/zendrix2";
    MakeFolders(folder);
    return folder;
  }
  // A folder shared with other users, such as /tmp, is no place for it.
  return OwnFolder("/.cache/zendrix2");
}

std::string ExecutablePath(const char* argv0) {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n > 0) return std::string(buffer, static_cast<size_t>(n));
  return argv0 != nullptr ? argv0 : "";
}

}  // namespace platform
