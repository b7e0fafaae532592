#!/usr/bin/env bash
# One window hidden and shown again at the same place, over and over, under a
# window manager (openbox), which puts the window in a frame of its own at
# each showing and takes that frame down once the window is hidden. Alt+S
# buys the six parts of the ready kit, each with an information message in
# the same window; five kits make thirty showings in a row. Each message is
# answered as soon as it is up, by Enter and by a click on its OK in turn, so
# that the game hides the window and at once places and shows it again while
# the window manager is still letting go of it. The game must come through
# every one, each message up where the first was, and end no X request in an
# error.
source "$(dirname "$0")/lib/session.sh"

x11_session_start openbox xprop
x11_wm_start
# Money for five kits (14360 each); in good spirits in the best flat, so that
# no warning about the mood comes up meanwhile.
x11_game_copy Money=80000 Home=3 Fun=100 MaxFun=100

KITS=5
MESS_W=430 MESS_H=159
BOUGHT="Вызвана функция покупки устройства..."

# How many times the log has line $1.
log_count() {
  local lines
  lines=$(x11_log_lines) || lines=""
  grep -cxF "$1" <<<"$lines"
}

x11_game_start
x11_new_game
GAME=$WIN_ID
x11_note "ok: the game screen is up"

shown=0 MESS="" PLACE=""
for ((kit = 1; kit <= KITS; kit++)); do
  WIN_ID=$GAME
  x11_key alt+s
  for ((part = 1; part <= 6; part++)); do
    shown=$((shown + 1))
    bought() { (($(log_count "$BOUGHT") >= shown)); }
    x11_wait_for bought "purchase $shown is not in the log"
    if [[ -z "$MESS" ]]; then
      x11_wait_window $MESS_W $MESS_H
      MESS=$(x11_client "$WIN_ID")
      PLACE="$WIN_X,$WIN_Y"
    fi
    # The line is written once the last message is gone: the window up now
    # is message $shown, in a frame of its own.
    x11_wait_for "x11_viewable $MESS" "message $shown did not come up"
    WIN_ID=$(x11_toplevel "$MESS")
    x11_window_position
    [[ "$WIN_X,$WIN_Y" == "$PLACE" ]] || x11_fail "message $shown came up at $WIN_X,$WIN_Y, not at $PLACE"
    if ((shown % 2)); then
      x11_key Return
    else
      x11_move 219 137 # the OK button, 70 × 30 at (184, 122)
      xdotool click 1
    fi
    if ((part < 6)); then
      answered() { (($(log_count "$BOUGHT") > shown)); }
      x11_wait_for answered "message $shown was not answered"
    else
      x11_wait_gone "$MESS" "the last message of kit $kit after its answer"
    fi
  done
  x11_note "ok: kit $kit, six messages answered at $PLACE"
done

x11_game_running || x11_fail "the game ended"
grep -q "X Error" "$X11_GAME_OUT" && x11_fail "the game reported an X error"
x11_note "ok: $shown showings of one window, no X error"
echo "PASS"
