#!/usr/bin/env bash
# The game under fluxbox with its own configuration. fluxbox maps its frame
# some time after the window in it: the game gives each window the keyboard
# only once it is on the screen, and an X error from such a race does not
# end it. The main menu with the keyboard, the road of a new game to the game
# screen, and the job search's refusal box answered with Enter, with no X
# error on the way.
source "$(dirname "$0")/lib/session.sh"

x11_session_start fluxbox xprop
x11_wm_start fluxbox
# In good spirits in the best flat, so that no warning about the mood comes
# up meanwhile.
x11_game_copy Home=3 Fun=100 MaxFun=100

x11_game_start
x11_wait_window 253 411
x11_wait_keyboard
x11_note "ok: the main menu is up under fluxbox with the keyboard"
x11_new_game
x11_wait_keyboard
x11_note "ok: the game screen of a new game is up with the keyboard"

x11_job_refusal
x11_key Return
x11_wait_gone "$BOX" "the refusal box after Enter"
WIN_ID=$FWORK WIN_X=$FWORK_X WIN_Y=$FWORK_Y
x11_wait_keyboard
x11_game_running || x11_fail "the game ended"
x11_note "ok: the refusal box took the keyboard and Enter; the job search has it again"

# The game lived through no X error either: a keyboard asked for before a
# window is on the screen is refused with one (BadMatch).
LOG=$(x11_log_lines) || x11_fail "the game wrote no log"
ERRORS=$(grep "Ошибка X11" <<<"$LOG"; grep "Ошибка X11" "$X11_GAME_OUT")
[[ -z "$ERRORS" ]] || x11_fail "X errors under fluxbox: $ERRORS"
x11_note "ok: no X error in the game's log or output"
echo "PASS"
