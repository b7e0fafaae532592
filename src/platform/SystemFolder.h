#pragma once
#include <string>

namespace platform {

// The per-user folder that takes the place of the Windows system folder:
// $ZENDRIX_SYSTEM_DIR if set, else $XDG_STATE_HOME/zendrix2, else
// ~/.local/state/zendrix2. Created (mode 0700) when missing; returned
// without a trailing separator whether or not it could be created.
std::string GetSystemDirectoryA();

// The per-user folder for what the program keeps only to start faster:
// $XDG_CACHE_HOME/zendrix2, else ~/.cache/zendrix2. Created (mode 0700) when
// missing, like the system folder.
std::string CacheFolder();

// The running program's own file (what the program is started as when the
// system cannot tell).
std::string ExecutablePath(const char* argv0);

}  // namespace platform
