#include "platform/SystemFolder.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
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

// Whether group `gid` is the user's own and no one else's, from the system's
// accounts; the password database is read once a run for each group.
bool GroupOfTheUserAlone(gid_t gid) {
  static std::map<gid_t, bool> known;
  if (const auto it = known.find(gid); it != known.end()) return it->second;
  bool alone = false;
  // Another group than the user's own is never read through.
  if (const passwd* entry = ::getpwuid(::geteuid());
      entry != nullptr && entry->pw_name != nullptr && entry->pw_gid == gid) {
    const Account me{entry->pw_name, entry->pw_uid, entry->pw_gid};
    std::vector<std::string> members;
    if (const group* own = ::getgrgid(gid); own != nullptr) {
      for (char** member = own->gr_mem; member != nullptr && *member != nullptr; ++member)
        members.emplace_back(*member);
      // The accounts of this group, as far as one of another user.
      std::vector<Account> accounts;
      ::setpwent();
      while (const passwd* other = ::getpwent()) {
        if (other->pw_gid != gid) continue;
        accounts.push_back(Account{other->pw_name != nullptr ? other->pw_name : "", other->pw_uid, other->pw_gid});
        if (other->pw_uid != me.uid) break;
      }
      ::endpwent();
      alone = GroupOfOneUser(gid, me, members, accounts);
    }
  }
  known.emplace(gid, alone);
  return alone;
}

// Whether a folder on the way to the game's own may be trusted: one only the
// user, or the administrator, may change. Others may write to it only where
// the sticky bit keeps them from moving what is not theirs (as in /tmp).
// The game's own folder (`last`) must be the user's, and no other user's to
// write to at all.
bool Trusted(const struct stat& info, bool last) {
  const uid_t me = ::geteuid();
  if (!S_ISDIR(info.st_mode)) return false;
  if (info.st_uid != me && (last || info.st_uid != 0)) return false;
  const bool sticky = !last && (info.st_mode & S_ISVTX) != 0;
  if ((info.st_mode & S_IWOTH) != 0 && !sticky) return false;
  return (info.st_mode & S_IWGRP) == 0 || sticky || GroupOfTheUserAlone(info.st_gid);
}

// Goes down `path` from the root folder as the system would, link by link,
// making each folder missing on the way (mode 0700), and whether every
// folder it passes through, those holding the links too, and the folder it
// reaches may be trusted. No folder is made where another user could have
// put something first.
bool TrustedPath(const std::string& path) {
  if (path.empty() || path.front() != '/') return false;
  struct stat info {};
  if (::stat("/", &info) != 0 || !Trusted(info, false)) return false;
  std::deque<std::string> left;
  auto push = [&left](const std::string& more) {
    std::vector<std::string> parts;
    for (size_t from = 0; from <= more.size();) {
      size_t to = more.find('/', from);
      if (to == std::string::npos) to = more.size();
      if (to > from) parts.push_back(more.substr(from, to - from));
      from = to + 1;
    }
    left.insert(left.begin(), parts.begin(), parts.end());
  };
  push(path);
  std::string here;  // the folder reached so far; empty for the root
  int links = 0;
  while (!left.empty()) {
    const std::string part = left.front();
    left.pop_front();
    if (part == ".") continue;
    if (part == "..") {
      here.erase(here.empty() ? 0 : here.rfind('/'));
      continue;
    }
    const std::string next = here + "/" + part;
    if (::lstat(next.c_str(), &info) != 0) {
      if (errno != ENOENT || (::mkdir(next.c_str(), 0700) != 0 && errno != EEXIST) ||
          ::lstat(next.c_str(), &info) != 0) {
        return false;
      }
    }
    if (S_ISLNK(info.st_mode)) {
      // As many links as the system itself follows.
      if (++links > 40) return false;
      std::string target(PATH_MAX, '\0');
      const ssize_t n = ::readlink(next.c_str(), target.data(), target.size());
      if (n <= 0 || static_cast<size_t>(n) >= target.size()) return false;
      target.resize(static_cast<size_t>(n));
      if (target.front() == '/') here.clear();
      push(target);
      continue;
    }
    if (!Trusted(info, left.empty())) return false;
    here = next;
  }
  // The root folder itself is no place for the game's files.
  return !here.empty();
}

// `under` the user's own home folder, made when missing, once a run. Taken
// only when it, and every folder on the way to it, links followed, may be
// trusted: another user could otherwise have made it first and put links
// in it, or moved it away and put one of theirs in its place. Empty when
// it is not, or without a home folder.
std::string OwnFolder(const char* under) {
  static std::map<std::string, std::string> known;
  const std::string home = OwnHomeFolder();
  if (home.empty()) return "";
  std::string folder = home + under;
  DropTrailingSeparators(folder);
  if (const auto it = known.find(folder); it != known.end()) return it->second;
  const std::string taken = TrustedPath(folder) ? folder : "";
  known.emplace(folder, taken);
  return taken;
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

bool GroupOfOneUser(gid_t gid, const Account& me, const std::vector<std::string>& members,
                    const std::vector<Account>& accounts) {
  if (me.gid != gid) return false;
  for (const std::string& member : members) {
    if (member != me.name) return false;
  }
  for (const Account& account : accounts) {
    if (account.gid == gid && account.uid != me.uid) return false;
  }
  return true;
}

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
