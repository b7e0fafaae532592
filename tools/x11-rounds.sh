#!/usr/bin/env bash
# Runs the window tests (tests/x11/*.sh) over and over, many at once, as a
# busy machine runs them: to find the runs that fail one time in many. Not a
# test itself; a developer runs it by hand after changing the tests or the
# game's window code.
#   tools/x11-rounds.sh [-r ROUNDS] [-j JOBS] BUILD_FOLDER [PATTERN]
# BUILD_FOLDER is a build with the game in it (build/, build-asan/ ...); the
# tests are those its CTest has (label x11), each with the environment CTest
# gives it, the variants of a script such as main_menu_without_shared_memory
# among them. PATTERN, an extended regular expression, picks tests by name
# without "x11." (e.g. "under_wm" for those under a window manager); all of
# them without it. Every test runs once a round, ROUNDS rounds (10 by
# default), JOBS runs at a time (twice the cores by default). Each run has a
# home folder and a ZX_OUT folder of its own. At the end it prints the
# failures of each test and "N passed, M failed"; the folders of the failed
# runs (the test's output, its screenshots and logs) are kept.
set -uo pipefail

usage() {
  sed -n '2,16s/^# \{0,1\}//p' "$0" >&2
  exit 2
}

rounds=10
jobs=$((2 * $(nproc 2>/dev/null || echo 2)))
while getopts "r:j:h" option; do
  case $option in
    r) rounds=$OPTARG ;;
    j) jobs=$OPTARG ;;
    *) usage ;;
  esac
done
shift $((OPTIND - 1))
[[ $# -ge 1 && $# -le 2 ]] || usage
[[ "$rounds" =~ ^[1-9][0-9]*$ && "$jobs" =~ ^[1-9][0-9]*$ ]] || usage

build=$(cd "$1" 2>/dev/null && pwd) || { echo "no build folder $1" >&2; exit 2; }
pattern=${2:-}
[[ -x "$build/game/zendrix2" ]] || { echo "the game is not built in $build (no game/zendrix2)" >&2; exit 2; }

# The window tests as the build's CTest has them (label x11): one a line,
# the name without "x11.", the script and the environment CTest gives it,
# separated by the unit separator (the values may hold spaces).
sep=$'\037'
mapfile -t tests < <(cd "$build" && ctest -N -V -L x11 2>/dev/null | awk -v sep="$sep" '
  /^[0-9]+: Test command: / {
    script = ""
    if (match($0, /"[^"]*"$/)) script = substr($0, RSTART + 1, RLENGTH - 2)
    environment = ""; reading = 0; next
  }
  /^[0-9]+: Environment variables:/ { reading = 1; next }
  reading && /^[0-9]+:  [A-Za-z_][A-Za-z0-9_]*=/ { sub(/^[0-9]+:  /, ""); environment = environment sep $0; next }
  /^  Test #[0-9]+: x11\./ { name = $3; sub(/^x11\./, "", name); print name sep script environment; reading = 0 }
')
chosen=()
for test in "${tests[@]}"; do
  [[ -z "$pattern" ]] || grep -Eq -- "$pattern" <<<"${test%%"$sep"*}" && chosen+=("$test")
done
[[ ${#tests[@]} -gt 0 ]] || { echo "CTest in $build lists no window tests" >&2; exit 2; }
[[ ${#chosen[@]} -gt 0 ]] || { echo "no window test matches \"$pattern\"" >&2; exit 2; }

runs=$build/x11-rounds/$(date +%Y%m%d-%H%M%S)
mkdir -p "$runs"
echo "${#chosen[@]} tests × $rounds rounds, $jobs at a time; runs in $runs"

# One run in its folder $1 with the script $2 and CTest's environment (the
# rest): home/ (HOME), out/ (ZX_OUT), output.txt, and status (the exit
# status), written last.
run_one() {
  local folder=$1 script=$2
  shift 2
  mkdir -p "$folder/home" "$folder/out"
  (
    cd "$folder" || exit 1
    env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
      "$@" HOME="$folder/home" ZX_OUT="$folder/out" \
      timeout -k 10 300 bash "$script" >"$folder/output.txt" 2>&1
    echo $? >"$folder/status"
  )
}

started=$SECONDS
total=$((${#chosen[@]} * rounds))
done_runs=0
for ((round = 1; round <= rounds; round++)); do
  for test in "${chosen[@]}"; do
    IFS=$sep read -r -a fields <<<"$test"
    while (($(jobs -rp | wc -l) >= jobs)); do
      wait -n
      done_runs=$((done_runs + 1))
    done
    run_one "$runs/${fields[0]}.$round" "${fields[@]:1}" &
  done
  echo "round $round started ($done_runs of $total runs done, $((SECONDS - started)) s)"
done
wait

passed=0 failed=0 skipped=0
declare -A failures
for test in "${chosen[@]}"; do
  name=${test%%"$sep"*}
  failures[$name]=0
done
report=""
for folder in "$runs"/*.*; do
  run=$(basename "$folder")
  name=${run%.*}
  status=$(cat "$folder/status" 2>/dev/null || echo "none")
  case $status in
    0)
      passed=$((passed + 1))
      rm -rf "$folder"
      ;;
    77)
      skipped=$((skipped + 1))
      rm -rf "$folder"
      ;;
    *)
      failed=$((failed + 1))
      failures[$name]=$((failures[$name] + 1))
      why=$(grep -m1 '^FAIL' "$folder/output.txt" 2>/dev/null)
      [[ "$status" == 124 || "$status" == 137 ]] && why="ran past 300 s; ${why:-no FAIL line}"
      report+="  $run (status $status): ${why:-$(tail -n1 "$folder/output.txt" 2>/dev/null)}"$'\n'
      ;;
  esac
done

echo
echo "Failures of each test (of $rounds runs):"
for test in "${chosen[@]}"; do
  name=${test%%"$sep"*}
  printf '  %-40s %d\n' "$name" "${failures[$name]}"
done
if [[ -n "$report" ]]; then
  echo
  echo "Failed runs (their folders are kept in $runs):"
  printf '%s' "$report"
else
  rmdir "$runs" 2>/dev/null
fi
echo
echo "$passed passed, $failed failed$( ((skipped)) && echo ", $skipped skipped") in $((SECONDS - started)) s"
((failed == 0))
