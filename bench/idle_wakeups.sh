#!/usr/bin/env bash
# Wake-ups of the game at rest in the main menu, in a real window on a
# private virtual X server with SDL's silent sound driver: the context
# switches of each of its threads over a few seconds, after the menu has
# been drawn and left alone. Prints the figures; judges nothing.
#   bench/idle_wakeups.sh GAME [SECONDS]
set -uo pipefail

GAME=${1:?the game executable}
SECONDS_IDLE=${2:-5}
command -v Xvfb >/dev/null || { echo "idle wake-ups: Xvfb is missing, not measured"; exit 0; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/zx-idle-XXXXXX")
game_pid="" xvfb_pid=""
cleanup() {
  [[ -n "$game_pid" ]] && kill -KILL "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill -TERM "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

mkfifo "$tmp/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$tmp/displayfd" >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 number <"$tmp/displayfd" || { echo "idle wake-ups: Xvfb did not start"; exit 0; }
export DISPLAY=":$number" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software
export SDL_FRAMEBUFFER_ACCELERATION=0 ZENDRIX_SYSTEM_DIR="$tmp/system"
mkdir -p "$ZENDRIX_SYSTEM_DIR"

"$GAME" >"$tmp/out.txt" 2>&1 &
game_pid=$!
# The main menu (253 x 411) mapped.
for _ in $(seq 200); do
  xwininfo -root -children 2>/dev/null | grep -q ' 253x411+' && break
  sleep 0.05
done
# Let the start-up settle (first frames, the font cache) before counting.
sleep 1

# name switches, for every thread of the game.
switches() {
  local task name v n
  for task in /proc/"$game_pid"/task/*; do
    name=$(cat "$task/comm" 2>/dev/null) || continue
    v=$(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status" 2>/dev/null)
    n=$(awk '/^nonvoluntary_ctxt_switches/ {print $2}' "$task/status" 2>/dev/null)
    echo "${task##*/} $name $((v + n))"
  done
}
switches >"$tmp/before"
sleep "$SECONDS_IDLE"
switches >"$tmp/after"

echo "wake-ups a second in the main menu at rest ($SECONDS_IDLE s, SDL_AUDIODRIVER=dummy, Xvfb):"
total=0 audio=0
while read -r tid name count; do
  before=$(awk -v t="$tid" '$1 == t {print $3}' "$tmp/before")
  delta=$((count - ${before:-0}))
  total=$((total + delta))
  [[ "$name" == SDLAudio* ]] && audio=$((audio + delta))
  printf "  thread %-16s %8.1f /s\n" "$name" "$(awk -v d="$delta" -v s="$SECONDS_IDLE" 'BEGIN {print d / s}')"
done <"$tmp/after"
printf "  %-23s %8.1f /s\n" "audio device threads" "$(awk -v d="$audio" -v s="$SECONDS_IDLE" 'BEGIN {print d / s}')"
printf "  %-23s %8.1f /s   (target: audio 0 /s)\n" "whole process" "$(awk -v d="$total" -v s="$SECONDS_IDLE" 'BEGIN {print d / s}')"
