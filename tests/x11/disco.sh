#!/usr/bin/env bash
# The night club and the disco in real windows, with SDL's silent sound
# driver: the fee opens the disco, its track plays past the first watch of
# its end while the lights go round, and the way out tells the mood won and
# leads back to travel.
source "$(dirname "$0")/lib/session.sh"

x11_session_start

TRAVEL_W=306 TRAVEL_H=412
CLUB_W=420 CLUB_H=214
DISCO_W=560 DISCO_H=330
MESS_W=430 MESS_H=159

# Whether light $2 (1 to 11) of the disco is lit in screenshot $1: the
# middle of its 48 × 48 picture is not black.
LIGHTS=("112 96" "208 96" "304 96" "400 96" "160 156" "256 156" "352 156" "112 216" "208 216" "304 216" "400 216")
lit() {
  local x y
  read -r x y <<<"${LIGHTS[$2 - 1]}"
  [[ "$(x11_pixel "$1" $((WIN_X + x + 24)) $((WIN_Y + y + 24)))" != "#000000" ]]
}
# The second frame of the show: f2, f6 and f10 lit, f1 dark.
second_frame() { lit "$1" 2 && lit "$1" 6 && lit "$1" 10 && ! lit "$1" 1; }
# The third: f3, f7, f11; by then the end of the track was watched for once.
third_frame() { lit "$1" 3 && lit "$1" 7 && lit "$1" 11 && ! lit "$1" 2; }

x11_game_start
x11_new_game
x11_move $((589 + 75)) $((42 + 18))
xdotool click 1
x11_wait_window $TRAVEL_W $TRAVEL_H
x11_move 153 $((268 + 16))
xdotool click 1
x11_wait_window $CLUB_W $CLUB_H
CLUB_ID=$WIN_ID
x11_move $((100 + 110)) $((156 + 18))
xdotool click 1
x11_wait_window $DISCO_W $DISCO_H
DISCO_ID=$WIN_ID
x11_wait_gone "$CLUB_ID" "the night club after the entry"
x11_note "ok: the fee paid, the disco is up"

x11_wait_until second_frame "the lights do not go round"
x11_wait_until third_frame "the lights stop after their second frame"
x11_viewable "$DISCO_ID" || x11_fail "the visit ended at once: the track did not play"
x11_windows | grep -q " $MESS_W $MESS_H " && x11_fail "a message came up while the track plays"
x11_note "ok: the track plays and the lights go round"

x11_move 504 300
xdotool click 1
x11_wait_window $MESS_W $MESS_H
x11_key Return
x11_wait_window $TRAVEL_W $TRAVEL_H
x11_viewable "$DISCO_ID" && x11_fail "the disco stayed after the way out"
x11_note "ok: the way out tells the mood and leads back to travel"
echo "PASS"
