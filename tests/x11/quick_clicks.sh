#!/usr/bin/env bash
# Clicks on windows that come up under a pointer that has not moved, as soon
# as they are up, the way a player clicks through the game. The window system
# counts quick presses at one place as one run even when they fall in
# different windows, or in a window hidden and shown again; each of these
# clicks must still be a click of its own. The double-click time is stretched
# to ten seconds, so that however slow the machine, every press here falls in
# the system's run of the press before it.
#   - Alt+S buys the six parts of the ready kit: each information message
#     comes up in the same place as the last, and a click on its OK, the
#     pointer left there, answers it.
#   - The software store: the chooser's "Операционные системы" opens the
#     operating-system department just where the chooser was; its first item
#     lights up under the pointer and a click buys it. The department's close
#     label brings the chooser back, and a click on the chooser's close label,
#     now under the pointer, goes back to the travel window.
# With X11_UNDER_WM=1 (quick_clicks_under_wm.sh) the same runs under openbox.
source "$(dirname "$0")/lib/session.sh"

if [[ -n "${X11_UNDER_WM:-}" ]]; then
  x11_session_start openbox xprop
  x11_wm_start
else
  x11_session_start
fi
export SDL_MOUSE_DOUBLE_CLICK_TIME=10000
# Money for the kit (14360) and a system (2500); in good spirits in the best
# flat, so that no warning about the mood comes up meanwhile.
x11_game_copy Money=20000 Home=3 Fun=100 MaxFun=100

GAME_W=756 GAME_H=566
MESS_W=430 MESS_H=159
TRAVEL_W=306 TRAVEL_H=412
SOFTSEL_W=252 SOFTSEL_H=220
OSSHOP_W=252 OSSHOP_H=216

# How many times the log has line $1.
log_count() {
  local lines
  lines=$(x11_log_lines) || lines=""
  grep -cxF "$1" <<<"$lines"
}

x11_game_start
x11_new_game
GAME_X=$WIN_X GAME_Y=$WIN_Y
x11_note "ok: the game screen is up"

# --- Alt+S: six messages, each answered by a click where the last OK was ---
BOUGHT="Вызвана функция покупки устройства..."
x11_move 300 300
x11_key alt+s
x11_wait_window $MESS_W $MESS_H
# The game's own window: a window manager puts it in a new frame at each showing.
MESS=$(x11_client "$WIN_ID")
x11_move 219 137 # the OK button, 70 × 30 at (184, 122)
for k in 1 2 3 4 5 6; do
  bought() { (($(log_count "$BOUGHT") >= k)); }
  x11_wait_for bought "purchase $k is not in the log"
  # The line is written once the last message is gone: the window up now is message k.
  x11_wait_for "x11_viewable $MESS" "message $k did not come up"
  xdotool click 1
  if ((k < 6)); then
    next() { (($(log_count "$BOUGHT") > k)); }
    x11_wait_for next "the click on the OK of message $k, shown where message $((k - 1)) was, was not taken"
  fi
  x11_note "ok: message $k answered by a click"
done
x11_wait_gone "$MESS" "the last message after the click on its OK"

# --- the software store: travel, the store, its chooser ---
WIN_X=$GAME_X WIN_Y=$GAME_Y
x11_move 689 60
xdotool click 1
x11_wait_window $TRAVEL_W $TRAVEL_H
x11_move 153 84
xdotool click 1
x11_wait_window $SOFTSEL_W $SOFTSEL_H
SOFTSEL=$(x11_client "$WIN_ID")
x11_move 126 50
xdotool click 1

# The department comes up where the chooser was, under the pointer.
x11_wait_window $OSSHOP_W $OSSHOP_H
OSSHOP=$WIN_ID OSSHOP_X=$WIN_X OSSHOP_Y=$WIN_Y
# Its first item (16, 32) lights up; the second (16, 76), away from the
# pointer, keeps its plain skin. Both are compared beside their captions.
item_lit() {
  [[ "$(x11_pixel "$1" $((WIN_X + 21)) $((WIN_Y + 62)))" != "$(x11_pixel "$1" $((WIN_X + 21)) $((WIN_Y + 106)))" ]]
}
x11_wait_until item_lit "the department's first item does not light up under the pointer"
xdotool click 1
sold() { (($(log_count "Покупка программы...") >= 1)); }
x11_wait_for sold "the click on the department's first item, under the pointer since it came up, was not taken"
x11_wait_window $MESS_W $MESS_H
x11_key Return
x11_wait_gone "$WIN_ID" "the information window after Enter"
x11_note "ok: the first click in the department bought the system"

# --- back: the department's close label, then at once the chooser's ---
WIN_ID=$OSSHOP WIN_X=$OSSHOP_X WIN_Y=$OSSHOP_Y
x11_move 241 7
xdotool click 1
x11_wait_gone "$OSSHOP" "the department after a click on its close label"
x11_wait_for "x11_viewable $SOFTSEL" "the chooser did not come back"
xdotool click 1 # on the chooser's close label, come up under the pointer
x11_wait_gone "$SOFTSEL" "the click on the chooser's close label, under the pointer since it came up, was not taken"
x11_wait_window $TRAVEL_W $TRAVEL_H
x11_note "ok: both close labels took their clicks"

x11_game_running || x11_fail "the game ended"
echo "PASS"
