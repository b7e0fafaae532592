#include "platform/SystemFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace platform {
namespace {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) return pw->pw_dir;
  return "/tmp";
}

// The user's own home folder; empty when neither HOME nor the password
// database names one.
std::string OwnHomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr && *pw->pw_dir != '\0') {
    return pw->pw_dir;
  }
  return "";
}

void MakeFolders(const std::string& path) {
  for (size_t pos = 1; pos <= path.size(); ++pos) {
    if (pos == path.size() || path[pos] == '/') {
      const std::string part = path.substr(0, pos);
      if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return;
    }
  }
}

}  // namespace

std::string GetSystemDirectoryA() {
  std::string folder;
  if (const char* own = std::getenv("ZENDRIX_SYSTEM_DIR"); own != nullptr && *own != '\0') {
    folder = own;
  } else if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state == '/') {
    folder = std::string(state) + "/zendrix2";
  } else {
    folder = HomeFolder() + "/.local/state/zendrix2";
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  MakeFolders(folder);
  return folder;
}

std::string CacheFolder() {
  std::string folder;
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && *cache == '/') {
    folder = std::string(cache) + "/zendrix2";
  } else if (const std::string home = OwnHomeFolder(); !home.empty()) {
    folder = home + "/.cache/zendrix2";
  } else {
    // A folder shared with other users, such as /tmp, is no place for it.
    return "";
  }
  MakeFolders(folder);
  return folder;
}

std::string ExecutablePath(const char* argv0) {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n > 0) return std::string(buffer, static_cast<size_t>(n));
  return argv0 != nullptr ? argv0 : "";
}

}  // namespace platform
