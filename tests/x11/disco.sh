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

# The lights of the disco lit in screenshot $1, as their numbers (1 to 11)
# separated by spaces: a light is lit when the middle of its 48 × 48 picture
# is not black. All are read at once, so that a busy machine still looks at
# the screen many times a frame.
LIGHTS=("112 96" "208 96" "304 96" "400 96" "160 156" "256 156" "352 156" "112 216" "208 216" "304 216" "400 216")
lit_lights() {
  local points=() point x y k=0 colour lit=""
  for point in "${LIGHTS[@]}"; do
    read -r x y <<<"$point"
    points+=("$((WIN_X + x + 24)) $((WIN_Y + y + 24))")
  done
  for colour in $(x11_pixels "$1" "${points[@]}"); do
    k=$((k + 1))
    [[ "$colour" == 000000 ]] || lit+="$k "
  done
  echo "${lit% }"
}
# The show lights frame after frame, each for half a second: the first
# lights f1, f5 and f9, the second f2, f6 and f10, every later one other
# lights. Whether the show is on: some frame is lit.
show_on() { [[ -n "$(lit_lights "$1")" ]]; }
# Whether the show is past its second frame: each frame starts the next, so
# the lights went round; and by then the end of the track was watched for once.
past_second_frame() {
  local lit
  lit=$(lit_lights "$1")
  [[ -n "$lit" && "$lit" != "1 5 9" && "$lit" != "2 6 10" ]]
}
past_second_frame-why() { echo "the lights lit last: $(lit_lights "$1")"; }

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

x11_wait_until show_on "the lights do not come on"
x11_wait_until past_second_frame "the lights do not go round past their second frame"
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
