#!/usr/bin/env bash
# The main menu in a real window: placement, title strip, the skins following
# the mouse (hover, press, release, leaving), the drag by the title, quitting
# through "Выйти из игры" and its dialog, and the log the run leaves behind.
source "$(dirname "$0")/lib/session.sh"

MENU_W=253 MENU_H=411
QUIT_W=430 QUIT_H=160
SKINS="$ZX_GAME_DIR/data/buttons"
BUTTONS=(game load save help set close)

x11_session_start

# The left 30 columns of each skin: the button captions start further right,
# so this part of a button on screen is the skin's own pixels.
for state in 1 2 3; do
  x11_crop "$SKINS/menu_$state.jpg" 30 37 0 0 "$ZX_OUT/skin$state.png"
done

# Which skin button k shows in a screenshot: 1, 2, 3 or "?".
skin_on_screen() {
  local shot=$1 k=$2 strip="$ZX_OUT/strip.png"
  x11_crop "$shot" 30 37 $((WIN_X + 16)) $((WIN_Y + 120 + 48 * k)) "$strip"
  for state in 1 2 3; do
    [[ "$(x11_diff "$strip" "$ZX_OUT/skin$state.png")" == 0 ]] && { echo "$state"; return; }
  done
  echo "?"
}

# The skins of all six buttons, e.g. "1 2 1 1 1 1".
skins_on_screen() {
  local shot=$1 k out=()
  for k in 0 1 2 3 4 5; do out+=("$(skin_on_screen "$shot" "$k")"); done
  echo "${out[*]}"
}

EXPECTED=""
skins_are() { [[ "$(skins_on_screen "$1")" == "$EXPECTED" ]]; }
skins_are-why() { echo "the buttons show skins \"$(skins_on_screen "$1")\""; }
expect_skins() {
  EXPECTED=$1
  x11_wait_until skins_are "$2: expected skins \"$EXPECTED\""
  x11_note "ok: $2 ($EXPECTED)"
}

# --- start: one window, centred, navy title strip ---
x11_game_start
x11_wait_window $MENU_W $MENU_H
expected_x=$(((X11_SCREEN_W - MENU_W) / 2)) expected_y=$(((X11_SCREEN_H - MENU_H) / 2))
[[ "$WIN_X,$WIN_Y" == "$expected_x,$expected_y" ]] ||
  x11_fail "the main menu is at $WIN_X,$WIN_Y, not centred at $expected_x,$expected_y"
x11_note "ok: main menu ${MENU_W}x${MENU_H} centred at $WIN_X,$WIN_Y"

# Away from every button first: the pointer starts at the screen's centre,
# which is over the menu.
x11_move 5 100
expect_skins "1 1 1 1 1 1" "every button shows its normal skin"
shot=$(x11_shot start)
title=$(x11_pixel "$shot" $((WIN_X + 4)) $((WIN_Y + 8)))
[[ "${title^^}" == "#000080" ]] || x11_fail "the title strip is $title, not navy"
background=$(x11_pixel "$shot" $((WIN_X + 4)) $((WIN_Y + 110)))
[[ "${background^^}" == "#000000" ]] || x11_fail "the background is $background, not black"

# --- hover, move on, press, release, leave ---
x11_move 126 $((120 + 48 * 1 + 18))
expect_skins "1 2 1 1 1 1" "hover over \"Загрузить игру\""
x11_move 120 $((120 + 48 * 3 + 30))
expect_skins "1 1 1 2 1 1" "the mouse moved on to \"Информация\""
x11_move 200 $((120 + 48 * 1 + 5))
expect_skins "1 2 1 1 1 1" "back over \"Загрузить игру\""
xdotool mousedown 1
expect_skins "1 3 1 1 1 1" "press on \"Загрузить игру\""
xdotool mouseup 1
expect_skins "1 1 1 1 1 1" "release: every skin back to normal"
x11_move 130 $((120 + 48 * 4 + 20))
expect_skins "1 1 1 1 2 1" "hover over \"Настройки\""
x11_move 5 100
expect_skins "1 1 1 1 1 1" "the mouse left the buttons"
x11_game_running || x11_fail "the game ended after the clicks on the menu"

# --- the window follows a drag by its title ---
# Small steps, as a hand moves (relative moves come through the input
# devices as a mouse's do; absolute ones only warp the pointer): once the
# window follows, the pointer stays put inside it, and the window must still
# keep up. Each step waits for the window to get there.
old_x=$WIN_X old_y=$WIN_Y
x11_move 60 8
xdotool mousedown 1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove_relative 5 4
  want_x=$((old_x + 5 * step)) want_y=$((old_y + 4 * step))
  at_step() {
    x11_window_position
    [[ "$WIN_X,$WIN_Y" == "$want_x,$want_y" ]]
  }
  x11_wait_for at_step "step $step of the drag by the title: the window did not reach $want_x,$want_y"
done
xdotool mouseup 1
x11_note "ok: the title drag moved the window by 40,32"
# The button is up: the window stays where it is when the pointer moves on.
x11_move 5 100
expect_skins "1 1 1 1 1 1" "the moved window still draws its buttons"
x11_window_position
[[ "$WIN_X,$WIN_Y" == "$((old_x + 40)),$((old_y + 32))" ]] ||
  x11_fail "after the drag the window went on to $WIN_X,$WIN_Y"

# --- quit: "Выйти из игры", then Enter for the question and Enter for the message ---
x11_move 126 $((120 + 48 * 5 + 18))
xdotool click 1
x11_wait_window $QUIT_W $QUIT_H
x11_note "ok: the quit dialog is up at $WIN_X,$WIN_Y"
known=$(x11_window_ids)
x11_key Return
x11_wait_new_window "$known" "the message after \"ДА\""
x11_note "ok: the message after \"ДА\" is up (${WIN_W}x$WIN_H)"
x11_key Return
x11_wait_exit || x11_fail "the game did not end after Enter, Enter in the quit dialog"
x11_note "ok: the game ended through its quit dialog"
[[ "$X11_GAME_STATUS" == 0 ]] || x11_fail "the game ended with status $X11_GAME_STATUS"

# --- the log ---
mapfile -t log < <(x11_log_lines) || true
[[ ${#log[@]} -gt 0 ]] || x11_fail "no log \"ZendrixLog.log\" in the system folder"
start_lines=(
  "------- ЗЕНДРИКС 2 -------"
  "Инициализация движка..."
  "OK"
  "Загружены текстуры..."
  "Double Buffer Initializing..."
  "OK"
  "Double Buffer Initialized!"
  "Движок полностью инициализирован!"
  "---------------------------------------"
)
for i in "${!start_lines[@]}"; do
  [[ "${log[$i]:-}" == "${start_lines[$i]}" ]] ||
    x11_fail "log line $((i + 1)) is \"${log[$i]:-}\", not \"${start_lines[$i]}\""
done
printf '%s\n' "${log[@]}" | grep -qx "Завершение игры, как terminate()" ||
  x11_fail "the log has no line \"Завершение игры, как terminate()\""
printf '%s\n' "${log[@]}" | grep -qx "Подтверждение о выходе..." ||
  x11_fail "the log has no line \"Подтверждение о выходе...\""
printf '%s\n' "${log[@]}" | grep -qx "Завершение..." || x11_fail "the log has no closing line \"Завершение...\""
timed=$(iconv -f CP1251 -t UTF-8 "$ZENDRIX_SYSTEM_DIR/ZendrixLog.log" | sed -n '10,$p' | grep -vc '  -  [0-9]*:[0-9][0-9]:[0-9][0-9].\{0,1\}$')
[[ "$timed" == 0 ]] || x11_fail "$timed line(s) after the start lines have no time"
x11_note "ok: the log has the nine start lines, the end of the game, the quit question and the closing lines"
echo "PASS"
