#!/usr/bin/env bash
# A message box minimised on its own under a window manager (icewm, or the
# one ZX_WM names: metacity, fluxbox; openbox and xfwm4 minimise and restore
# a dialog together with its window): the job search beneath it, which the
# box blocks, is not left dead. A click on the job search brings the box back
# onto the screen, over it, with the keyboard, and the box takes Enter; the
# job search has the keyboard again.
source "$(dirname "$0")/lib/session.sh"

WM=${ZX_WM:-icewm}
x11_session_start "$WM" xprop
x11_wm_start "$WM"
x11_game_copy Home=3 Fun=100 MaxFun=100

x11_game_start
x11_new_game
x11_job_refusal
# The game's own window: the top-level window itself, or inside the
# manager's frame (icewm nests it twice).
BOX_CLIENT=$BOX
xprop -id "$BOX" WM_CLASS 2>/dev/null | grep -q '"zendrix2"' ||
  BOX_CLIENT=$(xwininfo -tree -id "$BOX" | sed -n 's/^ *\(0x[0-9a-f]*\) .*("zendrix2" "zendrix2").*/\1/p' | head -n1)
[[ -n "$BOX_CLIENT" ]] || x11_fail "no window of the game in the box's frame $BOX"
x11_note "ok: the refusal box ($BOX_CLIENT) is up over the job search under $WM"

# --- minimised alone, as a task bar or the manager's key would ---
# icewm's key for it; other managers take the request a task bar sends.
if [[ $WM == icewm ]]; then x11_key alt+F9; else xdotool windowminimize "$BOX_CLIENT"; fi
iconic() { xprop -id "$BOX_CLIENT" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; }
x11_wait_for iconic "$WM did not minimise the box"
x11_wait_gone "$BOX" "the box after it was minimised"
x11_note "ok: the box is minimised"

# --- a click on the job search brings it back ---
WIN_ID=$FWORK WIN_X=$FWORK_X WIN_Y=$FWORK_Y
x11_viewable "$FWORK" || x11_fail "the job search went with the box"
x11_move 20 3
xdotool click 1
box_back() {
  local id
  id=$(x11_toplevel "$BOX_CLIENT")
  x11_viewable "$id" && ! iconic && BOX=$id
}
x11_wait_for box_back "the box did not come back after a click on the job search"
WIN_ID=$BOX
x11_wait_keyboard
x11_note "ok: the click on the job search brought the box back with the keyboard"
x11_key Return
x11_wait_gone "$BOX" "the box after Enter"
WIN_ID=$FWORK
x11_wait_keyboard
x11_game_running || x11_fail "the game ended"
x11_note "ok: Enter answered the box; the job search has the keyboard again"
echo "PASS"
