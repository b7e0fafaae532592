#!/usr/bin/env bash
# The road of a game in real windows: a new game from the main menu, the
# registration typed in Russian and Latin, the instructions shown whole with
# Alt+Enter, three game days on the game screen, back to the main menu and
# out through the quit dialog; the log ends with the lines quitting writes.
source "$(dirname "$0")/lib/session.sh"

MENU_W=253 MENU_H=411
INIT_W=328 INIT_H=254
INST_W=949 INST_H=643
GAME_W=756 GAME_H=566

x11_session_start
x11_game_start
x11_wait_window $MENU_W $MENU_H 15
x11_note "ok: main menu at $WIN_X,$WIN_Y"

# --- "Начать новую игру" → registration ---
x11_move 126 138
xdotool click 1
x11_wait_window $INIT_W $INIT_H 5
x11_note "ok: registration at $WIN_X,$WIN_Y"
x11_move 5 60  # away from the buttons, on the window
xdotool type --delay 100 'Иван'
xdotool key Tab
xdotool type --delay 100 'Петров'
xdotool key Tab
xdotool type --delay 100 'vanya'
sleep 0.2
x11_shot registration >/dev/null
xdotool key Return

# --- the instructions: Alt+Enter shows them whole, then "Начать игру" ---
x11_wait_window $INST_W $INST_H 5
x11_note "ok: instructions at $WIN_X,$WIN_Y"
xdotool key alt+Return
start_shown() {
  # The start button's amber skin at (752, 608), 150 × 28, left of its caption.
  local colour
  colour=$(x11_pixel "$1" $((WIN_X + 760)) $((WIN_Y + 622)))
  [[ "${colour^^}" != "#000000" ]]
}
start_shown-why() { echo "the place of \"Начать игру\" is still black"; }
x11_wait_until start_shown 5 "Alt+Enter did not show \"Начать игру\""
x11_note "ok: Alt+Enter showed the whole text and the start button"
x11_move $((752 + 75)) $((608 + 14))
xdotool click 1

# --- the game screen: three game days pass ---
x11_wait_window $GAME_W $GAME_H 5
x11_note "ok: game screen at $WIN_X,$WIN_Y"
x11_move 300 540  # over the backdrop, off every button
DAY_X=148 DAY_Y=426 DAY_W=60 DAY_H=16
start_shot=$(x11_shot game-start)
x11_crop "$start_shot" $DAY_W $DAY_H $((WIN_X + DAY_X)) $((WIN_Y + DAY_Y)) "$ZX_OUT/day-start.png"
sleep 4.7  # three days of 1500 ms
later=$(x11_shot game-three-days)
x11_crop "$later" $DAY_W $DAY_H $((WIN_X + DAY_X)) $((WIN_Y + DAY_Y)) "$ZX_OUT/day-later.png"
changed=$(x11_diff "$ZX_OUT/day-start.png" "$ZX_OUT/day-later.png")
[[ "$changed" =~ ^[0-9]+$ && "$changed" -gt 0 ]] || x11_fail "the day label did not change in three game days"
x11_note "ok: the day label changed ($changed pixels) after three game days"

# --- back to the main menu, then "Выйти из игры", Enter ("ДА"), Enter (the message) ---
x11_move $((589 + 75)) $((42 + 7 * 52 + 18))
xdotool click 1
x11_wait_window $MENU_W $MENU_H 5
windows_before=$(x11_windows | wc -l)
x11_move 126 378
xdotool click 1
dialog_up() { (($(x11_windows | wc -l) > windows_before)); }
x11_wait_until dialog_up 5 "no quit dialog came up after \"Выйти из игры\""
x11_note "ok: the quit dialog is up"
xdotool key Return
sleep 0.5
x11_shot quit-message >/dev/null
xdotool key Return
x11_wait_exit 5 || x11_fail "the game did not end after \"ДА\" and the message"
[[ "$X11_GAME_STATUS" == 0 ]] || x11_fail "the game ended with status $X11_GAME_STATUS"
x11_note "ok: the game ended"

# --- the log: the player's lines, then the quit's lines at the end ---
mapfile -t log < <(x11_log_lines) || true
[[ ${#log[@]} -gt 0 ]] || x11_fail "no log \"ZendrixLog.log\" in the system folder"
player=("Фамилия игрока: Петров" "Имя игрока: Иван" "Ник-нейм игрока: vanya" "---------------------------------------")
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
