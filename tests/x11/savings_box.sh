#!/usr/bin/env bash
# The character sheet and the savings box in real windows: a new game of
# Ivan Petrov aka vanya; "Персонаж" shows the three names in its teal rows;
# "Копилка", a deposit of 100 with its message and the new figures, a
# deposit of all the cash refused, a withdrawal of 100; "Навыки" and back.
source "$(dirname "$0")/lib/session.sh"

x11_session_start

SHEET_W=380 SHEET_H=158
KOP_W=260 KOP_H=172
FIELD_W=300 FIELD_H=182  # the deposit and the withdrawal windows
MESS_W=430 MESS_H=159

log_count() { x11_log_lines | grep -cx "$1"; }

# The width in pixels of the white text in a row of window WIN: x11_text_width shot y height
x11_text_width() {
  convert "$1" -crop "${SHEET_W}x$3+$WIN_X+$((WIN_Y + $2))" +repage -fuzz 35% -fill black +opaque white \
    -trim -format '%w' info: 2>/dev/null
}

# Answers the information window that logged line $1 for the $2-th time.
answer_after() {
  WANT_LINE=$1 WANT_COUNT=$2
  logged() { (($(log_count "$WANT_LINE") >= WANT_COUNT)); }
  x11_wait_for logged "the log has no \"$1\" ($2)"
  x11_wait_window $MESS_W $MESS_H
  x11_key Return
  x11_wait_gone "$WIN_ID" "the message after \"$1\""
}

# Types digits into the amount field of window WIN, after its "0".
type_amount() {
  x11_move 150 106
  xdotool click 1
  x11_wait_keyboard
  xdotool key End
  xdotool type --delay 60 "$1"
}

# --- a new game, the character sheet from the game screen ---
x11_game_start
x11_new_game
x11_move $((589 + 75)) $((146 + 18))
xdotool click 1
x11_wait_window $SHEET_W $SHEET_H
SHEET_ID=$WIN_ID SHEET_X=$WIN_X SHEET_Y=$WIN_Y
x11_wait_drawn
x11_move 190 90  # on the rows, off the buttons
sheet=$(x11_shot sheet)
# Rows of 16 pixels from y 28: surname, first name, "aka", nickname. Each
# shows its name in place of the design caption, which is wider.
for row in "0 Petrov 32 48" "1 Ivan 18 30" "2 aka 14 28" "3 vanya 30 46"; do
  read -r k name least most <<<"$row"
  width=$(x11_text_width "$sheet" $((28 + 16 * k)) 16)
  [[ -n "$width" ]] && ((width >= least && width <= most)) ||
    x11_fail "the row of \"$name\" shows text ${width:-none} pixels wide, not $least to $most"
  [[ "$(x11_pixel "$sheet" $((WIN_X + 2)) $((WIN_Y + 28 + 16 * k + 8)))" == "#008080" ]] ||
    x11_fail "the row of \"$name\" is not teal"
done
x11_note "ok: the sheet shows Petrov, Ivan, aka, vanya"

# --- the savings box: deposit 100 ---
x11_move $((252 + 58)) $((102 + 22))
xdotool click 1
x11_wait_window $KOP_W $KOP_H
KOP_X=$WIN_X KOP_Y=$WIN_Y
x11_wait_drawn
x11_move 130 60
kop_before=$(x11_shot kop-before)
x11_crop "$kop_before" 90 36 $((KOP_X + 160)) $((KOP_Y + 26)) "$ZX_OUT/figures-before.png"
x11_move 130 96
xdotool click 1
x11_wait_window $FIELD_W $FIELD_H
type_amount 100
x11_move 150 150
xdotool click 1
answer_after "Положил деньги в копилку..." 1
x11_wait_window $KOP_W $KOP_H
x11_wait_drawn
x11_move 130 60
figures_changed() {
  local shot
  shot=$(x11_shot kop-after)
  x11_crop "$shot" 90 36 $((KOP_X + 160)) $((KOP_Y + 26)) "$ZX_OUT/figures-after.png"
  [[ "$(x11_diff "$ZX_OUT/figures-before.png" "$ZX_OUT/figures-after.png")" != 0 ]]
}
x11_wait_for figures_changed "the savings box does not show new figures after the deposit"
x11_note "ok: 100 deposited, the message answered, the figures changed"

# --- all the cash (4900 now) is refused, and nothing moves ---
x11_move 130 96
xdotool click 1
x11_wait_window $FIELD_W $FIELD_H
FIELD_ID=$WIN_ID
type_amount 4900
x11_move 150 150
xdotool click 1
x11_wait_window $MESS_W $MESS_H
x11_key Return
x11_wait_gone "$WIN_ID" "the refusal"
x11_viewable "$FIELD_ID" || x11_fail "the deposit window closed after a refused deposit"
[[ "$(log_count "Положил деньги в копилку...")" == 1 ]] || x11_fail "the refused deposit was logged as done"
WIN_ID=$FIELD_ID
x11_window_position
x11_move 292 8
xdotool click 1
x11_wait_window $KOP_W $KOP_H
x11_note "ok: a deposit of all the cash is refused"

# --- withdraw 100: the figures are as before ---
x11_move 130 140
xdotool click 1
x11_wait_window $FIELD_W $FIELD_H
type_amount 100
x11_move 150 150
xdotool click 1
answer_after "Взяты деньги из копилки..." 1
x11_wait_window $KOP_W $KOP_H
x11_move 130 60
figures_back() {
  local shot
  shot=$(x11_shot kop-back)
  x11_crop "$shot" 90 36 $((KOP_X + 160)) $((KOP_Y + 26)) "$ZX_OUT/figures-back.png"
  [[ "$(x11_diff "$ZX_OUT/figures-before.png" "$ZX_OUT/figures-back.png")" == 0 ]]
}
x11_wait_for figures_back "the savings box does not show the first figures after withdrawing 100"
x11_note "ok: 100 withdrawn, the figures as at first"

# --- back to the sheet, the skills and back ---
x11_move 252 8
xdotool click 1
x11_wait_window $SHEET_W $SHEET_H
x11_move 70 124
xdotool click 1
x11_wait_window 439 300
x11_wait_drawn
x11_move 431 8
xdotool click 1
x11_wait_window $SHEET_W $SHEET_H
x11_note "ok: the skills window and back to the sheet"
echo "PASS"
