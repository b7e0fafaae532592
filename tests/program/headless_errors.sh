#!/usr/bin/env bash
# The game without a display: an error box no one can see is written to the
# standard error, and the exit status says the run failed. With the whole
# program folder the same run is quiet and ends with status 0.
#   headless_errors.sh PATH/TO/zendrix2
set -u
game=$1
folder=$(dirname "$game")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/game" "$work/system"
cp "$game" "$work/game/zendrix2"
ln -s "$folder/data" "$work/game/data"
export ZENDRIX_SYSTEM_DIR=$work/system

fail() {
  echo "FAIL: $*"
  echo "--- standard error:"
  cat "$work/err"
  exit 1
}

# Without "config.pc".
"$work/game/zendrix2" --headless 1000 >"$work/out" 2>"$work/err"
status=$?
[[ $status -eq 1 ]] || fail "without config.pc the exit status is $status, not 1"
grep -q "^zendrix2: .*config\.pc" "$work/err" || fail "without config.pc nothing about it on the standard error"

# With it.
cp "$folder/config.pc" "$folder/skill.pc" "$folder/instruct.pf" "$work/game/"
"$work/game/zendrix2" --headless 1000 >"$work/out" 2>"$work/err"
status=$?
[[ $status -eq 0 ]] || fail "a normal run ends with status $status"
[[ ! -s "$work/err" ]] || fail "a normal run wrote to the standard error"
echo "ok"
