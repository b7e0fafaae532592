#!/usr/bin/env bash
# A message box over a screen under a window manager (openbox). The job
# search refuses the first job to a player without education: its box "У Вас
# недостаточный уровень! ..." comes up over the job search as a dialog of it
# (WM_TRANSIENT_FOR, _NET_WM_WINDOW_TYPE_DIALOG), without a frame and where
# the game put it. A click on the job search's title strip, which the box
# blocks, leaves the box on top: the pointer moved on to the box's OK lights
# it up as before the click, and the box has the keyboard. Enter answers the box; the job search
# has the keyboard again and its close label leads back to the game screen.
source "$(dirname "$0")/lib/session.sh"

x11_session_start openbox xprop
x11_wm_start
# In good spirits in the best flat, so that no warning about the mood comes
# up meanwhile.
x11_game_copy Home=3 Fun=100 MaxFun=100

GAME_W=756 GAME_H=566
FWORK_W=252 FWORK_H=176
MESS_W=430 MESS_H=159
# The work button on the game screen; the first offer and the close label of
# the job search; the OK button of the box, 70 × 30 at (184, 122).
WORK_X=$((589 + 100)) WORK_Y=$((42 + 3 * 52 + 18))
OFFER_X=$((16 + 110)) OFFER_Y=$((32 + 18))
CLOSE_X=$((237 + 4)) CLOSE_Y=8
OK_X=184 OK_Y=122 OK_W=70 OK_H=30

x11_game_start
x11_new_game
x11_note "ok: the game screen is up under openbox"

# --- "Работа": the job search ---
x11_move $WORK_X $WORK_Y
xdotool click 1
x11_wait_window $FWORK_W $FWORK_H
FWORK=$WIN_ID FWORK_X=$WIN_X FWORK_Y=$WIN_Y
FWORK_CLIENT=$(x11_client "$FWORK")
x11_note "ok: job search at $FWORK_X,$FWORK_Y (window $FWORK_CLIENT)"

# --- "Расфасовщик CD-дисков": the refusal, a dialog of the job search ---
known=$(x11_window_ids)
x11_move $OFFER_X $OFFER_Y
xdotool click 1
# A frame of the manager's would make the top-level window larger.
x11_wait_window $MESS_W $MESS_H "$known"
BOX=$WIN_ID BOX_X=$WIN_X BOX_Y=$WIN_Y
BOX_CLIENT=$(x11_client "$BOX")
((BOX_X == (X11_SCREEN_W - MESS_W) / 2 && BOX_Y == (X11_SCREEN_H - MESS_H) / 2)) ||
  x11_fail "the box is at $BOX_X,$BOX_Y, not in the middle of the screen"
owner=$(xprop -id "$BOX_CLIENT" WM_TRANSIENT_FOR | sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')
if [[ -z "$owner" ]] || ((owner != FWORK_CLIENT)); then
  x11_fail "the box is not transient for the job search: $(xprop -id "$BOX_CLIENT" WM_TRANSIENT_FOR)"
fi
xprop -id "$BOX_CLIENT" _NET_WM_WINDOW_TYPE | grep -q '= _NET_WM_WINDOW_TYPE_DIALOG$' ||
  x11_fail "the box is no dialog: $(xprop -id "$BOX_CLIENT" _NET_WM_WINDOW_TYPE)"
x11_note "ok: the refusal ($BOX_CLIENT) is a dialog of the job search, unframed, at $BOX_X,$BOX_Y"
WIN_ID=$BOX WIN_X=$BOX_X WIN_Y=$BOX_Y
x11_wait_keyboard

# The box's OK as it is, and lit under the pointer: the box came up drawn,
# under the pointer, which rests off OK. The pointer leaves OK again.
OK_NOW="$ZX_OUT/ok-now.png"
ok_crop() { x11_crop "$1" $OK_W $OK_H $((BOX_X + OK_X)) $((BOX_Y + OK_Y)) "$2"; }
ok_is() {
  ok_crop "$1" "$OK_NOW"
  CHANGED=$(x11_diff "$OK_WANT" "$OK_NOW")
  [[ "$CHANGED" =~ ^[0-9]+$ && "$CHANGED" -le 2 ]]
}
ok_is-why() { echo "$CHANGED pixels of OK differ from $OK_WANT"; }
ok_changed() { ! ok_is "$1"; }
ok_crop "$(x11_shot box)" "$ZX_OUT/ok-normal.png"
OK_WANT="$ZX_OUT/ok-normal.png"
x11_move $((OK_X + OK_W / 2)) $((OK_Y + OK_H / 2))
x11_wait_until ok_changed "OK does not light up under the pointer"
cp "$OK_NOW" "$ZX_OUT/ok-lit.png"
x11_move $((OK_X + OK_W / 2)) 40
x11_wait_until ok_is "OK stays lit with the pointer off it"

# --- a click on the job search's title strip, above the box ---
WIN_ID=$FWORK WIN_X=$FWORK_X WIN_Y=$FWORK_Y
x11_move 20 3
xdotool click 1
# The pointer goes on to the box's OK, which lights up once the click has
# been dealt with if the box is still over the job search.
WIN_ID=$BOX WIN_X=$BOX_X WIN_Y=$BOX_Y
x11_move $((OK_X + OK_W / 2)) $((OK_Y + OK_H / 2))
OK_WANT="$ZX_OUT/ok-lit.png"
x11_wait_until ok_is "the box's OK is not lit under the pointer after the click on the job search"
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//; s/,/ /g')
above=0
for id in $stacking; do
  ((id == FWORK_CLIENT)) && above=0
  ((id == BOX_CLIENT)) && above=1
done
((above)) || x11_fail "the job search is stacked over the box: $stacking"
x11_wait_keyboard
x11_note "ok: after the click on the job search the box is over it with the keyboard"

# --- Enter answers the box; the job search takes input again ---
x11_key Return
x11_wait_gone "$BOX" "the box after Enter"
WIN_ID=$FWORK WIN_X=$FWORK_X WIN_Y=$FWORK_Y
x11_wait_keyboard
x11_move $CLOSE_X $CLOSE_Y
xdotool click 1
x11_wait_gone "$FWORK" "the job search after a click on its close label"
x11_wait_window $GAME_W $GAME_H
x11_note "ok: Enter answered the box; the job search's close label led back to the game screen"
echo "PASS"
