#!/usr/bin/env bash
# The internet in real windows: a prepared game (money, and every part of a
# computer with the dial-up modem already in its slots) buys an operating
# system in the software store and installs it; the computer screen's
# internet button opens the dial-up window, the provider's number typed on
# the keyboard opens the browser, whose bill grows while it is open; closing
# it shows what the internet cost, and the log has the call and the payment.
source "$(dirname "$0")/lib/session.sh"

GAME_W=756 GAME_H=566
TRAVEL_W=306 TRAVEL_H=412
SOFTSEL_W=252 SOFTSEL_H=220
OSSHOP_W=252 OSSHOP_H=216
COMP_W=542 COMP_H=381
SOFTSET_W=460 SOFTSET_H=296
INET_W=280 INET_H=350
BROWSER_W=420 BROWSER_H=220
MESS_W=430 MESS_H=159

x11_session_start
# Money, the best flat in good spirits (no warning about the mood comes up
# meanwhile) and a whole computer with the dial-up modem.
x11_game_copy Money=20000 Home=3 Fun=100 MaxFun=100 Computer=1 Intel=1 "Mboard=ASUS P5B" \
  "Processor=Intel Pentium D 820" "Ozu1=Kingston DDR2 512 Mb PC2-5300" "Video=NVidia GeForce 7600 GS 256 Mb" \
  "Disk=Western Digital Caviar SE 160 Gb" "Monitor=Samsung SyncMaster 740N" "Modem=Sprinter 56k" ModemType=1

# How many times the log has line $1.
log_count() {
  local lines
  lines=$(x11_log_lines) || lines=""
  grep -cxF "$1" <<<"$lines"
}

# In the window of W × H pixels: a click at (x, y), once the window is up.
#   click_in W H x y
click_in() {
  x11_wait_window "$1" "$2"
  x11_move "$3" "$4"
  xdotool click 1
}

# Waits for the information window, keeps its picture, answers it with Enter
# and waits until it is gone.
answer_message() {
  x11_wait_window $MESS_W $MESS_H
  x11_shot "message-$1" >/dev/null
  x11_key Return
  x11_wait_gone "$WIN_ID" "the information window after Enter ($1)"
  x11_note "ok: message $1 answered"
}

# --- a new game: main menu, registration, instructions, game screen ---
x11_game_start
x11_new_game
GAME_X=$WIN_X GAME_Y=$WIN_Y
x11_note "ok: the game screen is up"

# --- the software store: travel, the store, its operating systems, the first one ---
click_in $GAME_W $GAME_H 689 $((42 + 18))
click_in $TRAVEL_W $TRAVEL_H 153 $((68 + 16))
click_in $SOFTSEL_W $SOFTSEL_H 126 $((32 + 18))
click_in $OSSHOP_W $OSSHOP_H 126 $((32 + 18))
bought() { (($(log_count "Покупка программы...") >= 1)); }
x11_wait_for bought "the click on the first operating system bought nothing"
answer_message bought
x11_note "ok: an operating system bought"
# Back through the close labels to the game screen.
click_in $OSSHOP_W $OSSHOP_H 241 7
click_in $SOFTSEL_W $SOFTSEL_H 241 7
click_in $TRAVEL_W $TRAVEL_H 295 7
x11_wait_window $GAME_W $GAME_H

# --- the computer: it works; install the system ---
click_in $GAME_W $GAME_H 689 $((42 + 52 + 18))
click_in $COMP_W $COMP_H 131 296 # "Установка\Удаление софта", alive only in a working computer
x11_wait_window $SOFTSET_W $SOFTSET_H
x11_move 118 54 # the bought system, first in the list of programs not installed
xdotool click 1
x11_move 118 262 # "Установить"
xdotool click 1
installed() { (($(log_count "rem_space()") >= 1)); }
x11_wait_for installed "the operating system was not installed"
answer_message installed
click_in $SOFTSET_W $SOFTSET_H 449 7
x11_note "ok: the operating system is installed"

# --- the internet: dial the provider on the keyboard ---
click_in $COMP_W $COMP_H 312 334 # "Выход в Интернет"
x11_wait_window $INET_W $INET_H
x11_note "ok: the dial-up window is up"
x11_wait_keyboard
xdotool type --delay 80 2391010
x11_key Return
x11_wait_window $BROWSER_W $BROWSER_H
x11_wait_drawn
x11_note "ok: the browser is up"
called() { (($(log_count "Подключение к Интернету...") == 1)); }
x11_wait_for called "the log has no call to the provider"

# The bill line (12, 182) changes as the seconds are counted.
bill_region() { x11_crop "$1" 300 18 $((WIN_X + 12)) $((WIN_Y + 182)) "$ZX_OUT/$2.png"; }
bill_region "$(x11_shot browser-start)" bill-start
bill_grew() {
  bill_region "$1" bill-now
  GREW=$(x11_diff "$ZX_OUT/bill-start.png" "$ZX_OUT/bill-now.png")
  [[ "$GREW" =~ ^[0-9]+$ && "$GREW" -gt 10 ]]
}
bill_grew-why() { echo "${GREW:-no} pixels of the bill changed"; }
x11_wait_until bill_grew "the browser's bill does not grow"
x11_note "ok: the bill grows"

# --- closing the browser: the information window says what it cost ---
x11_move 409 7
xdotool click 1
paid() { (($(log_count "Оплата Интернета...") == 1)); }
x11_wait_for paid "closing the browser paid nothing"
# The payment's message: its text, white on the window's dark face, in the
# text field (48, 48, 369 × 73).
x11_wait_window $MESS_W $MESS_H
text_shown() {
  TEXT=$(convert "$1" -crop "369x73+$((WIN_X + 48))+$((WIN_Y + 48))" +repage -colorspace gray -threshold 80% \
    -format '%[fx:round(mean*w*h)]' info:)
  [[ "$TEXT" =~ ^[0-9]+$ && "$TEXT" -gt 100 ]]
}
text_shown-why() { echo "${TEXT:-no} light pixels in the text field"; }
x11_wait_until text_shown "the message of what the internet cost has no text"
answer_message cost
x11_wait_window $INET_W $INET_H
x11_note "ok: the internet paid for, back in the dial-up window"

x11_game_running || x11_fail "the game ended after paying for the internet"
echo "PASS"
