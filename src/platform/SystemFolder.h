#pragma once
#include <sys/types.h>

#include <string>
#include <vector>

namespace platform {

// The per-user folder that takes the place of the Windows system folder:
// $ZENDRIX_SYSTEM_DIR if set, else $XDG_STATE_HOME/zendrix2, else
// ~/.local/state/zendrix2 under the user's own home folder, taken only when
// what it names (links followed) is a folder of the user's that no other
// user may write to (its group only when that group is the user's alone),
// and every folder on the way to it, and to each link met, is one only the
// user or the administrator may change (open to all only with the sticky
// bit, as /tmp). That folder is worked out once a run.
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

// An account of the password database, as far as the rule below looks.
struct Account {
  std::string name;
  uid_t uid = 0;
  gid_t gid = 0;
};

// The rule a folder's group is held to, for it to write there: group `gid`
// is `me`'s own (their account's group) and no one else's: no other name
// among its `members`, and none of `accounts` (those that have it as their
// account's group) another user's.
bool GroupOfOneUser(gid_t gid, const Account& me, const std::vector<std::string>& members,
                    const std::vector<Account>& accounts);

}  // namespace platform
