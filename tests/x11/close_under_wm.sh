#!/usr/bin/env bash
# The window manager's close (openbox's, as Alt+F4 or a task bar asks for
# it) on the registration screen, the only window of the game on the
# desktop: the screen has no close label, so the close leaves it up; it
# still takes the keyboard and the game runs on.
source "$(dirname "$0")/lib/session.sh"

x11_session_start openbox xprop wmctrl
x11_wm_start
x11_game_start
x11_wait_window 253 411
MENU=$WIN_ID
x11_move 126 138
xdotool click 1
x11_wait_window 328 254
REG=$WIN_ID
x11_wait_gone "$MENU" "the main menu after \"Начать новую игру\""
x11_wait_keyboard
# The first field has the text cursor from the start.
X11_FIELD="152 88"
x11_wait_until x11_field_focused "the registration's first field shows no text cursor"
x11_note "ok: the registration screen is the only window up ($REG) and has the keyboard"

# --- The manager's close: _NET_CLOSE_WINDOW, as a task bar or a key of the
# manager sends it; openbox passes it on to the window (WM_DELETE_WINDOW),
# as it does for Alt+F4 ---
# Whether the game has had the request is seen through what follows it: a
# letter typed afterwards comes to the game after the request, so once the
# letter shows, the request has been handled. For that, the letter must go
# out after openbox has passed the request on. openbox takes the messages
# sent to the root window in order: once a change of the number of desktops
# asked for after the close shows on the root window, the close request is
# on its way to the game. That change leaves the game's desktop as it is.
# The pointer rests off the game, where no hint of the game comes up.
xdotool mousemove $((X11_SCREEN_W - 10)) $((X11_SCREEN_H - 10))
GAME_WINDOW=$(x11_client "$REG")
xprop -id "$GAME_WINDOW" WM_CLASS 2>/dev/null | grep -q '"zendrix2"' ||
  x11_fail "no window of the game in the registration screen's frame $REG"
desktops() { xprop -root _NET_NUMBER_OF_DESKTOPS 2>/dev/null | sed -n 's/.* = \([0-9]*\)$/\1/p'; }
DESKTOPS=$(desktops)
[[ -n "$DESKTOPS" ]] || x11_fail "openbox gives no number of desktops"
wmctrl -i -c "$GAME_WINDOW" || x11_fail "wmctrl could not send the close request"
wmctrl -n $((DESKTOPS + 1)) || x11_fail "wmctrl could not ask for another desktop"
desktop_added() {
  x11_viewable "$REG" || x11_fail "the manager's close took the registration screen off the desktop"
  [[ "$(desktops)" == $((DESKTOPS + 1)) ]]
}
x11_wait_for desktop_added "openbox did not add the desktop asked for after the close request"
x11_note "ok: openbox has had the close request (desktops: $DESKTOPS, now $((DESKTOPS + 1)))"
x11_wait_keyboard

FIELD_W=120 FIELD_H=18
field_crop() { x11_crop "$1" $FIELD_W $FIELD_H $((WIN_X + 152)) $((WIN_Y + 88)) "$2"; }
field_crop "$(x11_shot before-letter)" "$ZX_OUT/field-empty.png"
xdotool key I
letter_shown() {
  x11_viewable "$REG" || x11_fail "the manager's close took the registration screen off the desktop"
  field_crop "$1" "$ZX_OUT/field-typed.png"
  [[ "$(x11_diff "$ZX_OUT/field-empty.png" "$ZX_OUT/field-typed.png")" != 0 ]]
}
x11_wait_until letter_shown "the letter typed after the close request did not show in the first field"
x11_viewable "$REG" || x11_fail "the registration screen is off the desktop"
x11_game_running || x11_fail "the game ended"
x11_note "ok: after the manager's close the registration screen is still up, takes the keyboard, and the game runs"
echo "PASS"
