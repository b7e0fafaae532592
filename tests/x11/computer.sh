#!/usr/bin/env bash
# A computer from nothing in real windows: a new game, Alt+S buys the six
# parts of the ready kit (each information message answered with Enter), the
# device manager puts them in tab by tab, and the computer screen says the
# computer works (its install button comes alive, the log has every step).
source "$(dirname "$0")/lib/session.sh"

x11_session_start
# The kit costs 14360 roubles, more than a new game has: the game starts richer.
x11_game_copy Money=20000

MESS_W=430 MESS_H=159

# How many times the log has line $1.
log_count() { x11_log_lines | grep -cx "$1"; }

# Answers the information window of purchase $1 ($2) with Enter. The game
# shows every message in the same window, hidden and shown again at once:
# the purchase's line in the log says which message is up.
answer_message() {
  bought() { (($(log_count "Вызвана функция покупки устройства...") >= $1)); }
  x11_wait_for "bought $1" "purchase $1 ($2) is not in the log"
  x11_wait_window $MESS_W $MESS_H
  x11_key Return
  x11_note "ok: message $1 ($2) answered"
}

# Dark pixels (the bold black caption) in a button of window WIN at (x, y), 230 × 32.
dark_pixels() {
  convert "$1" -crop "230x32+$((WIN_X + $2))+$((WIN_Y + $3))" +repage -colorspace gray \
    -threshold 25% -negate -format '%[fx:round(mean*w*h)]' info:
}

# --- a new game: main menu, registration, instructions, game screen ---
x11_game_start
x11_new_game
MENU_X=$WIN_X MENU_Y=$WIN_Y
x11_note "ok: the game screen is up"

# --- Alt+S: six purchases, six messages ---
x11_move 300 300
x11_key alt+s
k=0
for part in disk board monitor processor memory video; do answer_message $((++k)) "$part"; done
x11_wait_gone "$WIN_ID" "the information window after the last Enter"

# --- the computer screen, before: nothing installed, the install button dead ---
WIN_X=$MENU_X WIN_Y=$MENU_Y
x11_move 689 112
xdotool click 1
x11_wait_window 542 381
COMP_X=$WIN_X COMP_Y=$WIN_Y
x11_move 5 200  # on the window, off its buttons
x11_wait_drawn
before=$(x11_shot computer-before)
dead=$(dark_pixels "$before" 16 280)

# --- the device manager: each tab, the first entry, "Вставить" ---
x11_move 411 296
xdotool click 1
x11_wait_window 715 313
x11_note "ok: the device manager is up"
# Tab centres on the strip (y 35), the board first, then the rest; each
# insertion is done when the log has its line once more.
for tab in "231 board Вытащил все устройства..." "57 processor Вызвана функция установки процессора..." \
  "131 memory Вызвана функция установки оперативки..." "363 video Вызвана функция установки видео карты..." \
  "468 disk Вызвана функция установки HDD..." "638 monitor Вызвана функция установки монитора..."; do
  read -r tx name line <<<"$tab"
  before_count=$(log_count "$line")
  x11_move "$tx" 35
  xdotool click 1
  x11_move 100 68
  xdotool click 1
  x11_move 459 233
  xdotool click 1
  inserted() { (($(log_count "$line") > before_count)); }
  x11_wait_for inserted "inserting the $name wrote no \"$line\" to the log"
  x11_shot "inserted-$name" >/dev/null
done
x11_move 704 7
xdotool click 1

# --- the computer screen, after: it works ---
x11_wait_window 542 381
x11_move 5 200
works() { (($(dark_pixels "$1" 16 280) > dead + 40)); }
works-why() { echo "the install button shows $(dark_pixels "$1" 16 280) dark pixels, $dead before"; }
x11_wait_until works "the computer screen does not offer program installation"
x11_note "ok: the install button is alive"
# The part rows (values from x 200, rows 20 pixels apart from y 50) now
# name the installed parts where "нет" stood before.
after=$(x11_shot computer-works)
for row in "0 board" "1 processor" "2 memory" "6 video" "7 disk" "9 monitor"; do
  read -r k name <<<"$row"
  x11_crop "$before" 120 16 $((COMP_X + 200)) $((COMP_Y + 50 + 20 * k)) "$ZX_OUT/row-before.png"
  x11_crop "$after" 120 16 $((COMP_X + 200)) $((COMP_Y + 50 + 20 * k)) "$ZX_OUT/row-after.png"
  [[ "$(x11_diff "$ZX_OUT/row-before.png" "$ZX_OUT/row-after.png")" != 0 ]] ||
    x11_fail "the $name row of the computer screen did not change"
done
x11_note "ok: the six needed rows name their parts"

mapfile -t log < <(x11_log_lines) || true
count() { printf '%s\n' "${log[@]}" | grep -cx "$1"; }
[[ "$(count "Вызвана функция покупки устройства...")" == 6 ]] ||
  x11_fail "the log has $(count "Вызвана функция покупки устройства...") purchases, not 6"
for line in "Вызвана функция установки процессора..." "Вызвана функция установки оперативки..." \
  "Вызвана функция установки видео карты..." "Вызвана функция установки HDD..." \
  "Вызвана функция установки монитора..."; do
  [[ "$(count "$line")" == 1 ]] || x11_fail "the log has $(count "$line") lines \"$line\", not 1"
done
[[ "$(count "Вытащил все устройства...")" == 2 ]] || x11_fail "the board's insert did not pull out twice"
[[ "$(count "Добавление опыта...")" -ge 6 ]] || x11_fail "no experience was logged for the purchases"
x11_note "ok: the log has the six purchases and every installation"
echo "PASS"
