#!/usr/bin/env bash
# A message box minimised on its own under a window manager (icewm, or the
# one ZX_WM names: metacity, fluxbox, herbstluftwm; openbox and xfwm4
# minimise and restore a dialog together with its window): the job search
# beneath it, which the box blocks, is not left dead. A click on the job
# search brings the box back onto the screen, over it, with the keyboard,
# and the box takes Enter; the job search has the keyboard again.
# Then the box once more, minimised and closed through the manager, as a task
# bar's close does: it leaves the manager's list of windows, asking the
# manager to bring it back shows nothing, and the job search takes a click
# again, which brings up the box anew, over it.
source "$(dirname "$0")/lib/session.sh"

WM=${ZX_WM:-icewm}
x11_session_start "$WM" xprop wmctrl
x11_wm_start "$WM"
x11_game_copy Home=3 Fun=100 MaxFun=100

# The game's own window in top-level window $1: the window itself, or inside
# the manager's frame (icewm nests it twice).
game_window() {
  local id=$1
  xprop -id "$1" WM_CLASS 2>/dev/null | grep -q '"zendrix2"' ||
    id=$(xwininfo -tree -id "$1" | sed -n 's/^ *\(0x[0-9a-f]*\) .*("zendrix2" "zendrix2").*/\1/p' | head -n1)
  [[ -n "$id" ]] || x11_fail "no window of the game in the frame $1"
  echo "$id"
}
box_client() { BOX_CLIENT=$(game_window "$BOX"); }
iconic() { xprop -id "$BOX_CLIENT" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; }
# Minimised alone, as a task bar or the manager's key would: icewm's key for
# it; other managers take the request a task bar sends.
minimise_box() {
  if [[ $WM == icewm ]]; then x11_key alt+F9; else xdotool windowminimize "$BOX_CLIENT"; fi
  x11_wait_for iconic "$WM did not minimise the box"
  x11_wait_gone "$BOX" "the box after it was minimised"
}

x11_game_start
x11_new_game
x11_job_refusal
box_client
x11_note "ok: the refusal box ($BOX_CLIENT) is up over the job search under $WM"

# --- minimised alone ---
minimise_box
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
x11_wait_for "x11_above $BOX $FWORK" "the box came back under the job search"
x11_note "ok: the click on the job search brought the box back over it, with the keyboard"
x11_key Return
x11_wait_gone "$BOX" "the box after Enter"
WIN_ID=$FWORK
x11_wait_keyboard
x11_game_running || x11_fail "the game ended"
x11_note "ok: Enter answered the box; the job search has the keyboard again"

# --- minimised, then closed through the manager ---
# A window of the test's own, kept aside: once the manager has given it the
# keyboard at the test's request, it has also handled every request sent to
# it before that one.
PROBE_NAME="zx-probe-$BASHPID"
xlogo -name "$PROBE_NAME" -geometry 40x40+20+20 >/dev/null 2>&1 &
X11_PROBE_PID=$!
probe_up() {
  PROBE=$(xdotool search --classname "^$PROBE_NAME\$" 2>/dev/null | head -n1)
  [[ -n "$PROBE" ]] && x11_viewable "$(x11_toplevel "$PROBE")"
}
x11_wait_for probe_up "$WM did not show the test's own window"
# A click at $1 across the job "Расфасовщик CD-дисков" brings up its box. The
# two clicks below land far apart: they come quicker than a player's, and at
# one place they would make a double click.
open_box() {
  WIN_ID=$FWORK WIN_X=$FWORK_X WIN_Y=$FWORK_Y
  local known
  known=$(x11_window_ids)
  x11_move $((16 + $1)) $((32 + 18))
  xdotool click 1
  x11_wait_window 430 159 "$known"
  BOX=$WIN_ID
  x11_wait_keyboard
  x11_wait_for "x11_above $BOX $FWORK" "the box came up under the job search"
  box_client
}
open_box 40
minimise_box
wmctrl -i -c "$BOX_CLIENT" || x11_fail "wmctrl could not send the close request"
listed() { xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -qiw "$BOX_CLIENT"; }
# The box's window is gone, or withdrawn.
unlisted() { ! listed && ! iconic; }
x11_wait_for unlisted "the box closed while minimised stayed with $WM"
x11_note "ok: the box closed while minimised left $WM's list of windows"
xdotool windowactivate "$BOX_CLIENT" >/dev/null 2>&1
xdotool windowactivate "$PROBE" >/dev/null 2>&1
probe_active() {
  local focus
  focus=$(xdotool getwindowfocus -f 2>/dev/null) && [[ "$(x11_toplevel "$focus")" == "$(x11_toplevel "$PROBE")" ]]
}
x11_wait_for probe_active "$WM did not give the test's own window the keyboard"
x11_viewable "$(x11_toplevel "$BOX_CLIENT")" && x11_fail "asking $WM to bring back the closed box showed it"
listed && x11_fail "asking $WM to bring back the closed box listed it again"
x11_note "ok: asking $WM to bring the closed box back shows nothing"

# The job search gets the keyboard back as from a task bar (a first click
# on a window without it, icewm keeps for itself).
xdotool windowactivate "$(game_window "$FWORK")" >/dev/null 2>&1
WIN_ID=$FWORK
x11_wait_keyboard
open_box 180
x11_note "ok: a click on the job search brings the box up anew, with the keyboard"
x11_key Return
x11_wait_gone "$BOX" "the new box after Enter"
x11_game_running || x11_fail "the game ended"
x11_note "ok: Enter answered the new box"
echo "PASS"
