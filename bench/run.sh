#!/usr/bin/env bash
# Runs every benchmark of the game against its floor, each in one run:
#   bench/run.sh BUILD_DIR
# the Google Benchmark set (moves over the main menu and the chooser painted
# and presented on SDL's dummy video driver, start-up warm and cold, game
# years), the skin decode in ten fresh processes, and on a private virtual X
# server: memory in real windows against a bare SDL window, the main menu
# mapped against a bare SDL window, the wake-ups at rest, the moves over the
# main menu and the chooser in a real window, and the credit window left
# alone beside the game screen at rest. Ends with the table of the goals:
# each figure with its floor, min and median, the two measured taking turns.
# Prints the figures and ratios; judges nothing.
set -uo pipefail
BUILD=$(cd "${1:-build}" && pwd)
HERE=$(cd "$(dirname "$0")" && pwd)
cd "$BUILD/bench"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/zx-bench-XXXXXX")
xvfb=""
trap '[[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null; rm -rf "$tmp"' EXIT
goals="$tmp/goals"
touch "$goals"

# Runs a benchmark; its "goal ..." lines go to the table, the rest is shown.
measure() {
  "$@" 2>&1 | tee -a "$tmp/all" | grep -v '^goal ' || true
  grep '^goal ' "$tmp/all" >>"$goals"
  : >"$tmp/all"
}

load() { cut -d' ' -f1-3 /proc/loadavg; }
echo "commit $(git -C "$HERE" rev-parse --short HEAD 2>/dev/null || echo unknown), $(nproc) cores, load $(load)"
echo
echo "=== Google Benchmark set ==="
./zx_bench
echo
echo "=== skin decode, ten fresh processes ==="
./zx_bench_decode --processes 10
echo

if ! command -v Xvfb >/dev/null; then
  echo "Xvfb is missing: nothing in real windows measured"
  exit 0
fi
mkfifo "$tmp/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$tmp/displayfd" >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 number <"$tmp/displayfd" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$number"

echo "=== memory in real windows (Xvfb $DISPLAY) ==="
measure ./zx_bench_memory
# Four more, taking turns with the floor: a bare SDL program with one window.
rss_floor() { echo "goal rss-floor $(./zx_bench_bare_window 253 411 --rss)" >>"$goals"; }
for i in 1 2 3 4; do
  ((i % 2)) && rss_floor
  ./zx_bench_memory | grep '^goal ' >>"$goals"
  ((i % 2)) || rss_floor
done
rss_floor
echo
echo "=== the main menu mapped, against a bare SDL window ==="
measure ./zx_bench_mapped "$BUILD/game/zendrix2" ./zx_bench_bare_window 15
echo
echo "=== wake-ups at rest in the main menu ==="
bash "$HERE/idle_wakeups.sh" "$BUILD/game/zendrix2" 5
echo
echo "=== moves over the main menu and the chooser in a real window ==="
measure ./zx_bench_hover menu
echo
measure ./zx_bench_hover chooser
echo
echo "=== the credit window left alone, beside the game screen at rest ==="
measure env ZX_OUT="$BUILD/bench/credit-window" bash "$HERE/credit_wakeups.sh" "$BUILD/game/zendrix2" 4 3
echo

# --- the table ---
# min and median of the values given one a line
stats() { sort -g | awk '{ v[NR] = $1 } END { if (NR) printf "%s %s", v[1], v[int((NR + 1) / 2)]; else printf "- -" }'; }
field() { awk -v k="$1" -v c="$2" '$2 == k { print $c }' "$goals"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "-" && b != "-" && b > 0) printf "%.2fx", a / b; else printf "-" }'; }
row() { printf "%-38s %-30s %-34s %-15s %s\n" "$@" | sed 's/ *$//'; }

echo "=== the goals: each figure and its floor measured taking turns (commit $(git -C "$HERE" rev-parse --short HEAD 2>/dev/null || echo unknown), load $(load)) ==="
row "goal" "figure min / median" "floor min / median" "ratio min / med" "target"

line=$(grep '^goal credit ' "$goals" | tail -n1)
if [[ -n "$line" ]]; then
  read -r _ _ cw_min cw_med rw_min rw_med cc_min cc_med rc_min rc_med <<<"$line"
  row "credit window up, field untouched" "$cw_min / $cw_med wake-ups/s" "$rw_min / $rw_med /s (game screen)" "-" \
    "<= 4 wake-ups/s"
  row "  its CPU, % of a core" "$cc_min / $cc_med %" "$rc_min / $rc_med %" "" ""
else
  row "credit window up, field untouched" "not measured" "" "" "<= 4 wake-ups/s"
fi

read -r m_min m_med < <(field rss 3 | stats)
read -r f_min f_med < <(field rss-floor 3 | awk '{ printf "%.1f\n", $1 / 1024 }' | stats)
read -r _ s_med < <(field rss 4 | stats)
read -r _ h_med < <(field rss 5 | stats)
row "RSS after every screen, real windows" "$m_min / $m_med MB" "$f_min / $f_med MB (bare SDL window)" "-" "<= 30 MB"
row "  of it shared memory; heap" "$s_med; $h_med MB (medians)" "" "" ""

for screen in menu chooser; do
  name="main menu"
  [[ $screen == chooser ]] && name="chooser"
  for kind in paced back-to-back; do
    line=$(grep "^goal hover-$screen $kind " "$goals" | tail -n1)
    if [[ -z "$line" ]]; then
      [[ $kind == paced ]] && row "hover, $name, real X window" "not measured" "" "" "<= 1.2x"
      continue
    fi
    read -r _ _ _ g_min g_med b_min b_med x_min x_med p_min p_med r_min r_med <<<"$line"
    if [[ $kind == paced ]]; then
      row "hover, $name, a move every 10 ms" "$g_min / $g_med us CPU a move" "$b_min / $b_med us (bare decode)" \
        "$(ratio "$g_min" "$b_min") / $(ratio "$g_med" "$b_med")" "<= 1.2x"
      row "    against the bare decode at that pace" "" "$p_min / $p_med us" \
        "$(ratio "$g_min" "$p_min") / $(ratio "$g_med" "$p_med")" ""
    else
      row "  moves back to back" "$g_min / $g_med us" "$b_min / $b_med us" \
        "$(ratio "$g_min" "$b_min") / $(ratio "$g_med" "$b_med")" ""
    fi
    row "    round by round, same pace" "" "" "${r_min:--}x / ${r_med:--}x" ""
    row "    X server beside it" "$x_min / $x_med us" "" "$(ratio "$x_min" "$b_min") / $(ratio "$x_med" "$b_med")" ""
  done
done

line=$(grep '^goal mapped ' "$goals" | tail -n1)
if [[ -n "$line" ]]; then
  read -r _ _ a_min a_med b_min b_med <<<"$line"
  row "main menu mapped under Xvfb" "$a_min / $a_med ms" "$b_min / $b_med ms (bare SDL window)" \
    "$(ratio "$a_min" "$b_min") / $(ratio "$a_med" "$b_med")" "<= 1.5x"
else
  row "main menu mapped under Xvfb" "not measured" "" "" "<= 1.5x"
fi
