#!/usr/bin/env bash
# Where the game keeps its log, as a player's machine has it: the folder
# under the player's home, made by the game, holds the log of a run (the
# folders a player sets up are the unit tests'). With that folder refused
# and no private folder to be had (TMPDIR and /tmp both unusable) the game
# stops before anything else, says why in Russian and English, names
# ZENDRIX_SYSTEM_DIR, and writes nothing anywhere.
#   system_folder.sh PATH/TO/zendrix2 WORK_FOLDER
# The home folders lie in WORK_FOLDER; the last case makes /tmp read-only in
# a mount namespace of its own.
set -u
game=$1
mkdir -p "$2"
work=$(mktemp -d "$2/system-folder-XXXXXX")
trap 'rm -rf "$work"' EXIT
unset ZENDRIX_SYSTEM_DIR XDG_STATE_HOME XDG_CACHE_HOME

fail() {
  echo "FAIL: $*"
  echo "--- standard error:"
  cat "$work/err"
  exit 1
}

# A run of a tenth of a second of game time with the home folder $1; more
# variables may follow.
run() {
  local home=$1
  shift
  env HOME="$home" "$@" "$game" --headless 100 >"$work/out" 2>"$work/err"
}

# --- a home without the game's folder: the game makes it, and the log is there ---
home=$work/fresh
mkdir -p "$home"
run "$home" || fail "a run in a fresh home ended with status $?"
log=$home/.local/state/zendrix2/ZendrixLog.log
[[ -f "$log" ]] || fail "no log in $home/.local/state/zendrix2"
grep -q "ЗЕНДРИКС 2" <(iconv -f CP1251 -t UTF-8 "$log") || fail "$log is not the game's log"
[[ ! -s "$work/err" ]] || fail "a run with its own folder wrote to the standard error"
echo "ok: the folder the game made holds the log"

# --- refused, with no private folder to be had ---
home=$work/refused
mkdir -p "$home/.local/state/zendrix2"
chmod 777 "$home/.local/state/zendrix2"
# /tmp read-only in a mount namespace: as the administrator, or in a user
# namespace of the user's own.
namespace=(unshare -m)
[[ $(id -u) -eq 0 ]] || namespace=(unshare -rm)
if ! "${namespace[@]}" true 2>/dev/null; then
  echo "skipped: no mount namespace can be made here (${namespace[*]})"
  exit 77
fi
HOME="$home" TMPDIR=/nonexistent GAME="$game" "${namespace[@]}" bash -c \
  'mount --make-rprivate / && mount --bind /tmp /tmp && mount -o remount,bind,ro /tmp && exec "$GAME" --headless 100' \
  >"$work/out" 2>"$work/err"
status=$?
[[ $status -eq 1 ]] || fail "with no folder to be had the exit status is $status, not 1"
grep -q "ZENDRIX_SYSTEM_DIR" "$work/err" || fail "the message does not name ZENDRIX_SYSTEM_DIR"
grep -q "журнал" "$work/err" && grep -q "log" "$work/err" || fail "the message is not in Russian and English"
[[ -z "$(ls -A "$home/.local/state/zendrix2")" ]] || fail "the refused folder was written to"
echo "ok: with no folder to be had the game stops and says so"
