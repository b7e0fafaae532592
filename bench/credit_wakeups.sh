#!/usr/bin/env bash
# Wake-ups and CPU of the game with the bank's credit window up and its
# amount field untouched, beside its floor, the game screen at rest: one game
# in real windows on a private virtual X server (the window tests' session,
# tests/x11/lib/session.sh), driven there by xdotool: a new game, then, round
# after round, the game screen left alone, then travel, the bank, the credit
# window left alone, and back by its close label, the bank's "Выход" and
# travel's close label. Each figure is counted over SECONDS after the screen
# has settled (the click's sound device closed): the voluntary context
# switches of every thread of the game (a thread that sleeps and wakes), and
# the CPU the scheduler gave them. Prints the figures; judges nothing.
#   bench/credit_wakeups.sh GAME [ROUNDS] [SECONDS]
# ZX_OUT names the folder for the session's screenshots and logs.
set -uo pipefail

GAME=${1:?the game executable}
ROUNDS=${2:-4}
SECONDS_IDLE=${3:-3}
# The click's sound device closes 2 s after the last sound.
SETTLE=${ZX_BENCH_SETTLE:-2.5}
HERE=$(cd "$(dirname "$0")" && pwd)
SESSION="$HERE/../tests/x11/lib/session.sh"

for tool in Xvfb xdotool xwininfo import convert compare iconv setxkbmap; do
  command -v "$tool" >/dev/null || { echo "credit window at rest: $tool is missing, not measured"; exit 0; }
done
[[ -f "$SESSION" ]] || { echo "credit window at rest: $SESSION is missing, not measured"; exit 0; }

export ZX_GAME=$GAME
ZX_GAME_DIR=$(cd "$(dirname "$GAME")" && pwd)
export ZX_GAME_DIR
export ZX_OUT=${ZX_OUT:-${TMPDIR:-/tmp}/zx-bench-credit}
# shellcheck source=../tests/x11/lib/session.sh
source "$SESSION"

GAME_W=756 GAME_H=566
TRAVEL_W=306 TRAVEL_H=412
BANK_W=320 BANK_H=178
TAKE_W=470 TAKE_H=252

click_at() {
  x11_move "$1" "$2"
  xdotool click 1
}

# The pointer away from every window, as a hand off the mouse.
hand_off() { xdotool mousemove $((X11_SCREEN_W - 1)) $((X11_SCREEN_H - 1)); }

# One line a thread of the game: id, voluntary and involuntary switches, CPU in ns.
snapshot() {
  local task v n run
  for task in /proc/"$X11_GAME_PID"/task/*; do
    read -r run _ <"$task/schedstat" 2>/dev/null || continue
    v=$(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status" 2>/dev/null)
    n=$(awk '/^nonvoluntary_ctxt_switches/ {print $2}' "$task/status" 2>/dev/null)
    echo "${task##*/} ${v:-0} ${n:-0} $run"
  done
}

# Counts SECONDS_IDLE seconds of the screen up now and appends
# "wake-ups/s involuntary/s CPU% threads-gone" to file $1; a count during
# which a window came or went is left out.
count() {
  local before after t0 t1 windows
  sleep "$SETTLE"
  windows=$(x11_window_ids)
  before=$(snapshot)
  t0=$(date +%s.%N)
  sleep "$SECONDS_IDLE"
  after=$(snapshot)
  t1=$(date +%s.%N)
  if [[ "$(x11_window_ids)" != "$windows" ]]; then
    x11_note "left out: the windows changed while counting ($windows -> $(x11_window_ids))"
    return
  fi
  awk -v t0="$t0" -v t1="$t1" '
    NR == FNR { v[$1] = $2; n[$1] = $3; r[$1] = $4; seen[$1] = 1; next }
    { dv += $2 - v[$1]; dn += $3 - n[$1]; dr += $4 - r[$1]; delete seen[$1] }
    END {
      gone = 0; for (t in seen) gone++
      s = t1 - t0
      printf "%.1f %.1f %.2f %d\n", dv / s, dn / s, dr / s / 1e7, gone
    }' <(echo "$before") <(echo "$after") >>"$1"
}

x11_session_start
# The best flat (mood up to 100) and money for its rent: no low-mood warning
# comes up while the game screen rests.
x11_game_copy Home=3 Fun=100 Money=20000
x11_game_start
x11_new_game
GAME_ID=$WIN_ID GAME_X=$WIN_X GAME_Y=$WIN_Y

rest="$X11_TMP/rest" credit="$X11_TMP/credit"
for ((r = 1; r <= ROUNDS; r++)); do
  # --- the floor: the game screen at rest ---
  hand_off
  count "$rest"
  # --- travel, the bank, the credit window ---
  WIN_ID=$GAME_ID WIN_X=$GAME_X WIN_Y=$GAME_Y
  click_at $((589 + 75)) $((42 + 18))
  x11_wait_window $TRAVEL_W $TRAVEL_H
  click_at 153 $((28 + 4 * 40 + 16))
  x11_wait_window $BANK_W $BANK_H
  x11_wait_drawn
  BANK_ID=$WIN_ID
  click_at 160 66
  x11_wait_window $TAKE_W $TAKE_H
  x11_wait_drawn
  TAKE_ID=$WIN_ID
  hand_off
  count "$credit"
  # --- back: the close label, "Выход", travel's close label ---
  x11_window_position
  click_at $((TAKE_W - 11)) 7
  x11_wait_gone "$TAKE_ID" "the credit window after its close label"
  WIN_ID=$BANK_ID
  x11_window_position
  click_at 160 152
  x11_wait_window $TRAVEL_W $TRAVEL_H
  click_at 295 7
  x11_wait_window $GAME_W $GAME_H
  GAME_ID=$WIN_ID GAME_X=$WIN_X GAME_Y=$WIN_Y
done

if [[ ! -s "$rest" || ! -s "$credit" ]]; then
  echo "credit window at rest: every count was disturbed, not measured"
  exit 0
fi
# min and median of column $2 of file $1
stat_of() { sort -g -k"$2","$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { printf "%s %s", v[1], v[int((NR + 1) / 2)] }'; }
read -r rw_min rw_med <<<"$(stat_of "$rest" 1)"
read -r rc_min rc_med <<<"$(stat_of "$rest" 3)"
read -r cw_min cw_med <<<"$(stat_of "$credit" 1)"
read -r cc_min cc_med <<<"$(stat_of "$credit" 3)"
read -r cn_min cn_med <<<"$(stat_of "$credit" 2)"
read -r rn_min rn_med <<<"$(stat_of "$rest" 2)"
gone=$(awk '{ g += $4 } END { print g + 0 }' "$rest" "$credit")
echo "wake-ups of the game at rest ($ROUNDS rounds of $SECONDS_IDLE s each, taking turns; xvfb, SDL_AUDIODRIVER=dummy; load $(cut -d' ' -f1-3 /proc/loadavg)):"
printf "  %-36s wake-ups min %7.1f /s  median %7.1f /s   CPU min %5.2f %%  median %5.2f %% of a core   (involuntary switches %.1f / %.1f /s)\n" \
  "credit window up, field untouched" "$cw_min" "$cw_med" "$cc_min" "$cc_med" "$cn_min" "$cn_med"
printf "  %-36s wake-ups min %7.1f /s  median %7.1f /s   CPU min %5.2f %%  median %5.2f %% of a core   (involuntary switches %.1f / %.1f /s)\n" \
  "floor: the game screen at rest" "$rw_min" "$rw_med" "$rc_min" "$rc_med" "$rn_min" "$rn_med"
((gone == 0)) || echo "  ($gone threads ended while counted: their switches are missing)"
echo "  (target: the credit window <= 4 wake-ups/s, like the game screen at rest)"
echo "goal credit $cw_min $cw_med $rw_min $rw_med $cc_min $cc_med $rc_min $rc_med"
