#pragma once
#include <string>

namespace platform {

// The per-user folder that takes the place of the Windows system folder:
// $ZENDRIX_SYSTEM_DIR if set, else $XDG_STATE_HOME/zendrix2, else
// ~/.local/state/zendrix2 under the user's own home folder, taken only when
// what it names (links followed) is a folder of the user's that no other
// user may write to (its group only when that group is the user's alone).
// Without such a home folder, or when the folder there is not one, a new
// private folder under $TMPDIR, else /tmp, serves this run: it is named once
// on the standard error, and ZENDRIX_SYSTEM_DIR is set to it for the rest of
// the process and the programs it starts. Created (mode 0700) when missing;
// returned without a trailing separator whether or not it could be created.
// Empty when no folder will do and no private one can be made: the program
// then has nowhere to keep its files.
std::string GetSystemDirectoryA();

// The per-user folder for what the program keeps only to start faster:
// $XDG_CACHE_HOME/zendrix2, else ~/.cache/zendrix2. Created (mode 0700) when
// missing, like the system folder. Empty when the user has no home folder of
// their own (HOME unset or empty, and no entry in the password database) and
// XDG_CACHE_HOME names none, or when the folder under the home folder is not
// one the system folder would take: nothing is then kept.
std::string CacheFolder();

// The running program's own file (what the program is started as when the
// system cannot tell).
std::string ExecutablePath(const char* argv0);

}  // namespace platform
