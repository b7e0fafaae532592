#!/usr/bin/env bash
# Two city places in real windows: a new game travels to the pharmacy and
# buys the weak medicine (its game message answered); then to the bank,
# takes a credit of 250 in the credit window, opens the repayment window,
# which shows the debt 310 and the deadline "Февраль, 2", repays and leaves
# the bank through "Выход" back to travel.
source "$(dirname "$0")/lib/session.sh"

GAME_W=756 GAME_H=566
TRAVEL_W=306 TRAVEL_H=412
APTEKA_W=305 APTEKA_H=172
BANK_W=320 BANK_H=178
TAKE_W=470 TAKE_H=252
GIVE_W=470 GIVE_H=196
MES_W=429 MES_H=159

log_count() { x11_log_lines 2>/dev/null | grep -cxF "$1"; }

# Clicks at a point of window WIN.
click_at() {
  x11_move "$1" "$2"
  xdotool click 1
}

# Width in pixels of the white text in the box W×H at (x, y) of window WIN.
text_width() {
  convert "$1" -crop "$4x$5+$((WIN_X + $2))+$((WIN_Y + $3))" +repage -fuzz 35% -fill black +opaque white \
    -trim -format '%w' info: 2>/dev/null
}

x11_session_start
x11_game_start
x11_new_game
GAME_X=$WIN_X GAME_Y=$WIN_Y
x11_note "ok: a new game runs"

# --- travel, the pharmacy, the weak medicine ---
click_at $((589 + 75)) $((42 + 18))
x11_wait_window $TRAVEL_W $TRAVEL_H
click_at 153 $((28 + 2 * 40 + 16))
x11_wait_window $APTEKA_W $APTEKA_H
x11_wait_drawn
APTEKA_ID=$WIN_ID
moods=$(log_count "Добавление настроения...")
click_at 152 92
x11_wait_window $MES_W $MES_H
x11_key Return
x11_wait_gone "$WIN_ID" "the pharmacy's message"
(($(log_count "Добавление настроения...") == moods + 1)) || x11_fail "the medicine added no mood"
x11_note "ok: the weak medicine is sold, its message answered"
WIN_ID=$APTEKA_ID
x11_window_position
click_at $((APTEKA_W - 10)) 8
x11_wait_window $TRAVEL_W $TRAVEL_H

# --- the bank: a credit of 250 ---
click_at 153 $((28 + 4 * 40 + 16))
x11_wait_window $BANK_W $BANK_H
x11_wait_drawn
BANK_ID=$WIN_ID BANK_X=$WIN_X BANK_Y=$WIN_Y
(($(log_count "Поездка в банк...") == 1)) || x11_fail "the trip to the bank is not logged"
click_at 160 66
x11_wait_window $TAKE_W $TAKE_H
x11_wait_drawn
click_at 184 85
x11_wait_keyboard
xdotool key End BackSpace
xdotool type --delay 60 250
experience=$(log_count "Добавление опыта...")
click_at 235 226
x11_wait_gone "$WIN_ID" "the credit window after taking the credit"
took() { (($(log_count "Добавление опыта...") > experience)); }
x11_wait_for took "taking the credit gave no experience"
x11_note "ok: a credit of 250 taken"

# --- the repayment window: 310 by "Февраль, 2" ---
WIN_ID=$BANK_ID WIN_X=$BANK_X WIN_Y=$BANK_Y
x11_wait_drawn
click_at 160 106
x11_wait_window $GIVE_W $GIVE_H
x11_wait_drawn
x11_move 235 140
figures_shown() {
  DEBT_W=$(text_width "$1" 200 90 120 18)
  DUE_W=$(text_width "$1" 200 110 120 18)
  [[ -n "$DEBT_W" && -n "$DUE_W" ]] && ((DEBT_W >= 18 && DEBT_W <= 32 && DUE_W >= 60 && DUE_W <= 95))
}
figures_shown-why() { echo "the debt is ${DEBT_W:-no} pixels wide (\"310\": 18 to 32), the deadline ${DUE_W:-no} (\"Февраль, 2\": 60 to 95)"; }
x11_wait_until figures_shown "the repayment window does not show the debt and its deadline"
x11_note "ok: the repayment window shows the debt and the deadline (${DEBT_W} and ${DUE_W} pixels)"

# --- repay, then leave through "Выход" ---
experience=$(log_count "Добавление опыта...")
click_at 235 166
x11_wait_gone "$WIN_ID" "the repayment window after paying"
repaid() { (($(log_count "Добавление опыта...") > experience)); }
x11_wait_for repaid "the repayment gave no experience"
WIN_ID=$BANK_ID WIN_X=$BANK_X WIN_Y=$BANK_Y
x11_viewable "$BANK_ID" || x11_fail "the lobby is not back after the repayment"
click_at 160 152
x11_wait_window $TRAVEL_W $TRAVEL_H
x11_wait_gone "$BANK_ID" "the lobby after \"Выход\""
x11_note "ok: repaid, and out of the bank by \"Выход\""
echo "PASS"
