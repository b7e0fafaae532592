#!/usr/bin/env bash
# A window of the game destroyed from outside (as a window manager that goes
# wrong, or a race with one, leaves it): the X errors that follow do not end
# the game. Each kind is written to the log once, and the game runs on to an
# ordinary end, which the log closes as always.
source "$(dirname "$0")/lib/session.sh"

x11_session_start
[[ -x "${ZX_DESTROY_WINDOW:-}" ]] || x11_fail "the tool destroy_window is not built: ${ZX_DESTROY_WINDOW:-ZX_DESTROY_WINDOW unset}"
x11_game_start
x11_wait_window 253 411
x11_move 126 138
xdotool click 1
x11_wait_window 328 254
x11_wait_keyboard
X11_FIELD="152 88"
x11_wait_until x11_field_focused "the registration's first field shows no text cursor"

# The registration's window goes; its text cursor and the letters typed
# still draw into it.
"$ZX_DESTROY_WINDOW" "$(x11_client "$WIN_ID")" || x11_fail "could not destroy window $WIN_ID"
xdotool type --delay 60 "Ivan"
errors_logged() { x11_log_lines | grep -q '^Ошибка X11: '; }
x11_wait_for errors_logged "no X error in the log"
x11_game_running || x11_fail "the game ended on the X errors"

# An ordinary end: SDL turns the signal into the request to quit.
kill -TERM "$X11_GAME_PID"
x11_wait_exit || x11_fail "the game did not end after SIGTERM"
((X11_GAME_STATUS == 0)) || x11_fail "the game ended with status $X11_GAME_STATUS"
x11_log_lines >"$ZX_OUT/log.txt"
repeated=$(grep '^Ошибка X11: ' "$ZX_OUT/log.txt" | sort | uniq -d)
[[ -z "$repeated" ]] || x11_fail "an X error is logged more than once: $repeated"
[[ "$(tail -n 2 "$ZX_OUT/log.txt" | head -n 1)" == "Завершение..." ]] ||
  x11_fail "the log does not end as an ordinary run does: $(tail -n 3 "$ZX_OUT/log.txt")"
x11_note "ok: $(grep -c '^Ошибка X11: ' "$ZX_OUT/log.txt") kinds of X error logged once each; the game ran on to its end"
echo "PASS"
