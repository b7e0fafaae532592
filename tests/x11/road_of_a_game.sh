#!/usr/bin/env bash
# The road of a game in real windows: a new game from the main menu, the
# registration typed in Russian (one letter made with the compose key) and
# Latin, the instructions shown whole with Alt+Enter, game days passing on
# the game screen, back to the main menu and out through the quit dialog;
# the log ends with the lines quitting writes.
source "$(dirname "$0")/lib/session.sh"

MENU_W=253 MENU_H=411
INIT_W=328 INIT_H=254
INST_W=949 INST_H=643
GAME_W=756 GAME_H=566

x11_session_start
# Right Alt is the compose key: the input method must read the compose table.
setxkbmap -layout us,ru -option compose:ralt || x11_fail "setxkbmap could not make Right Alt the compose key"
x11_game_start
x11_wait_window $MENU_W $MENU_H
x11_note "ok: main menu at $WIN_X,$WIN_Y"

# --- "Начать новую игру" → registration ---
x11_move 126 138
xdotool click 1
x11_wait_window $INIT_W $INIT_H
x11_note "ok: registration at $WIN_X,$WIN_Y"
x11_move 5 60  # away from the buttons, on the window
# The three fields (left, top, width; 21 high), empty before typing.
FIELDS=("152 88 169" "192 128 129" "144 168 177")
field_crop() {
  local left top width
  read -r left top width <<<"${FIELDS[$2]}"
  x11_crop "$1" $((width - 8)) 15 $((WIN_X + left + 4)) $((WIN_Y + top + 3)) "$3"
}
x11_wait_drawn
empty=$(x11_shot registration-empty)
for k in 0 1 2; do field_crop "$empty" $k "$ZX_OUT/field$k-empty.png"; done
x11_wait_keyboard
xdotool type --delay 100 'Иван'
xdotool key Tab
xdotool type --delay 100 'Ф'
xdotool key --delay 100 Multi_key quotedbl Cyrillic_ie # ё
xdotool type --delay 100 'доров'
xdotool key Tab
xdotool type --delay 100 'vanya'
# Each field shows its text (more than a caret's worth of changed pixels).
fields_filled() {
  local k changed
  for k in 0 1 2; do
    field_crop "$1" $k "$ZX_OUT/field$k.png"
    changed=$(x11_diff "$ZX_OUT/field$k.png" "$ZX_OUT/field$k-empty.png")
    [[ "$changed" =~ ^[0-9]+$ ]] && ((changed > 40)) || return 1
  done
}
x11_wait_until fields_filled "the three fields do not show the typed text"
cp "$ZX_OUT/last.png" "$ZX_OUT/registration.png"
x11_key Return

# --- the instructions: Alt+Enter shows them whole, then "Начать игру" ---
x11_wait_window $INST_W $INST_H
x11_note "ok: instructions at $WIN_X,$WIN_Y"
x11_key alt+Return
x11_wait_until x11_start_shown "Alt+Enter did not show \"Начать игру\""
x11_note "ok: Alt+Enter showed the whole text and the start button"
x11_move $((752 + 75)) $((608 + 14))
xdotool click 1

# --- the game screen: three game days pass ---
x11_wait_window $GAME_W $GAME_H
x11_note "ok: game screen at $WIN_X,$WIN_Y"
x11_move 300 540  # over the backdrop, off every button
DAY_X=148 DAY_Y=426 DAY_W=60 DAY_H=16
start_shot=$(x11_shot game-start)
x11_crop "$start_shot" $DAY_W $DAY_H $((WIN_X + DAY_X)) $((WIN_Y + DAY_Y)) "$ZX_OUT/day-start.png"
# A game day lasts 1500 ms: the day label changes within the first.
day_changed() {
  x11_crop "$1" $DAY_W $DAY_H $((WIN_X + DAY_X)) $((WIN_Y + DAY_Y)) "$ZX_OUT/day-later.png"
  local changed
  changed=$(x11_diff "$ZX_OUT/day-start.png" "$ZX_OUT/day-later.png")
  [[ "$changed" =~ ^[0-9]+$ && "$changed" -gt 0 ]]
}
x11_wait_until day_changed "the day label did not change"
cp "$ZX_OUT/last.png" "$ZX_OUT/game-next-day.png"
x11_note "ok: the day label changed as the game days passed"

# --- back to the main menu, then "Выйти из игры", Enter ("ДА"), Enter (the message) ---
game_window=$WIN_ID
x11_move $((589 + 75)) $((42 + 7 * 52 + 18))
xdotool click 1
x11_wait_gone "$game_window" "the game screen after \"Главное меню\""
x11_wait_window $MENU_W $MENU_H
known=$(x11_window_ids)
x11_move 126 378
xdotool click 1
x11_wait_new_window "$known" "the quit dialog"
x11_note "ok: the quit dialog is up"
known=$(x11_window_ids)
x11_key Return
x11_wait_new_window "$known" "the message after \"ДА\""
x11_shot quit-message >/dev/null
x11_key Return
x11_wait_exit || x11_fail "the game did not end after \"ДА\" and the message"
[[ "$X11_GAME_STATUS" == 0 ]] || x11_fail "the game ended with status $X11_GAME_STATUS"
x11_note "ok: the game ended"

# --- the log: the player's lines, then the quit's lines at the end ---
mapfile -t log < <(x11_log_lines) || true
[[ ${#log[@]} -gt 0 ]] || x11_fail "no log \"ZendrixLog.log\" in the system folder"
player=("Фамилия игрока: Фёдоров" "Имя игрока: Иван" "Ник-нейм игрока: vanya" "---------------------------------------")
first=-1
for i in "${!log[@]}"; do [[ "${log[$i]}" == "${player[0]}" ]] && { first=$i; break; }; done
((first >= 9)) || x11_fail "the log has no line \"${player[0]}\" after the start lines"
for i in "${!player[@]}"; do
  [[ "${log[$((first + i))]:-}" == "${player[$i]}" ]] ||
    x11_fail "log line $((first + 1 + i)) is \"${log[$((first + i))]:-}\", not \"${player[$i]}\""
done
ending=("Завершение игры, как terminate()" "/////////////////////////////////" "Подтверждение о выходе..."
  "Завершение..." "============================")
n=${#log[@]}
for i in "${!ending[@]}"; do
  line=${log[$((n - 5 + i))]:-}
  [[ "$line" == "${ending[$i]}" ]] || x11_fail "log line $((n - 4 + i)) of $n is \"$line\", not \"${ending[$i]}\""
done
x11_note "ok: the log holds the player's lines and ends with the quit's five lines"
echo "PASS"
