#!/usr/bin/env bash
# A first job in real windows: a new game runs until the player's first
# education step (the log says so), "Работа" opens job search, "Расфасовщик
# CD-дисков" hires with its information message, the game screen's work
# button then reads "На работе..." and leads to the current job, where
# "Уволиться" quits and returns to the game with "Работа" again.
source "$(dirname "$0")/lib/session.sh"

MENU_W=253 MENU_H=411
INIT_W=328 INIT_H=254
INST_W=949 INST_H=643
GAME_W=756 GAME_H=566
FWORK_W=252 FWORK_H=176
NWORK_W=360 NWORK_H=150
# The work button on the game screen and the place of its caption.
WORK_X=$((589 + 100)) WORK_Y=$((42 + 3 * 52 + 18))
CAPTION_X=600 CAPTION_Y=$((42 + 3 * 52 + 4)) CAPTION_W=180 CAPTION_H=28

log_has() { x11_log_lines 2>/dev/null | grep -qxF "$1"; }

# Waits up to $2 seconds for the log line $1; every window that comes up
# over the game meanwhile (a game message) is answered with Enter.
wait_log_answering() {
  local line=$1 deadline=$((SECONDS + $2))
  until log_has "$line"; do
    x11_game_running || x11_fail "the game ended while waiting for \"$line\""
    ((SECONDS < deadline)) || x11_fail "no log line \"$line\" within $2 s"
    if (($(x11_windows | wc -l) > 1)); then
      x11_note "answered a game message"
      xdotool key Return
      while (($(x11_windows | wc -l) > 1)); do sleep 0.05; done
    fi
    sleep 0.1
  done
}

# Waits for one more window than $1 (a message) and answers it with Enter.
answer_message() {
  local before=$1
  message_up() { (($(x11_windows | wc -l) > before)); }
  local deadline=$((SECONDS + X11_WAIT))
  until message_up; do
    ((SECONDS < deadline)) || x11_fail "no message window came up: $2"
    sleep 0.05
  done
  x11_shot "message-$3" >/dev/null
  xdotool key Return
}

# The work button's caption out of a screenshot: work_caption shot.png name
work_caption() { x11_crop "$1" $CAPTION_W $CAPTION_H $((WIN_X + CAPTION_X)) $((WIN_Y + CAPTION_Y)) "$ZX_OUT/$2.png"; }
caption_differs() {
  work_caption "$1" caption-now
  CHANGED=$(x11_diff "$ZX_OUT/caption-before.png" "$ZX_OUT/caption-now.png")
  [[ "$CHANGED" =~ ^[0-9]+$ && "$CHANGED" -gt 20 ]]
}
caption_differs-why() { echo "$CHANGED pixels differ from \"Работа\""; }
caption_as_before() { ! caption_differs "$1"; }
caption_as_before-why() { caption_differs-why; }

x11_session_start
x11_game_start
x11_wait_window $MENU_W $MENU_H 15
x11_move 126 138
xdotool click 1
x11_wait_window $INIT_W $INIT_H 5
x11_move 5 60
xdotool type --delay 100 'Иван'
xdotool key Tab
xdotool type --delay 100 'Петров'
xdotool key Tab
xdotool type --delay 100 'vanya'
xdotool key Return
x11_wait_window $INST_W $INST_H 5
xdotool key alt+Return
start_shown() {
  local colour
  colour=$(x11_pixel "$1" $((WIN_X + 760)) $((WIN_Y + 622)))
  [[ "${colour^^}" != "#000000" ]]
}
x11_wait_until start_shown 5 "Alt+Enter did not show \"Начать игру\""
x11_move $((752 + 75)) $((608 + 14))
xdotool click 1

# --- the game runs until the first education step ---
x11_wait_window $GAME_W $GAME_H 5
GAME_X=$WIN_X GAME_Y=$WIN_Y
x11_move 300 540  # over the backdrop, off every button
caption_drawn() {
  local colour
  colour=$(x11_pixel "$1" $((WIN_X + WORK_X)) $((WIN_Y + WORK_Y - 14)))
  [[ "${colour^^}" != "#000000" ]]
}
x11_wait_until caption_drawn 5 "the work button is not drawn"
work_caption "$ZX_OUT/last.png" caption-before
wait_log_answering "Добавление навыка по образованию..." 60
x11_note "ok: the first education step came"

# --- "Работа" → job search → "Расфасовщик CD-дисков" ---
x11_move $WORK_X $WORK_Y
xdotool click 1
x11_wait_window $FWORK_W $FWORK_H 5
x11_note "ok: job search at $WIN_X,$WIN_Y"
windows=$(x11_windows | wc -l)
x11_move $((16 + 110)) $((32 + 18))
xdotool click 1
answer_message "$windows" "after \"Расфасовщик CD-дисков\"" hired
hired() { log_has "Устраивание на работу..."; }
deadline=$((SECONDS + X11_WAIT))
until hired; do ((SECONDS < deadline)) || x11_fail "no log line \"Устраивание на работу...\""; sleep 0.05; done
x11_note "ok: hired, with the information message"

# --- back to the game screen: the work button reads otherwise ---
x11_move $((237 + 4)) 8
xdotool click 1
x11_wait_window $GAME_W $GAME_H 5
x11_move 300 540
x11_wait_until caption_differs 5 "the work button's caption did not change"
x11_note "ok: the work button's caption changed ($CHANGED pixels)"

# --- "На работе..." leads to the current job; "Уволиться" quits ---
x11_move $WORK_X $WORK_Y
xdotool click 1
x11_wait_window $NWORK_W $NWORK_H 5
x11_note "ok: the current job at $WIN_X,$WIN_Y"
windows=$(x11_windows | wc -l)
x11_move 180 120
xdotool click 1
answer_message "$windows" "after \"Уволиться\"" quit
x11_wait_window $GAME_W $GAME_H 5
deadline=$((SECONDS + X11_WAIT))
until log_has "Увольнение с работы..."; do
  ((SECONDS < deadline)) || x11_fail "no log line \"Увольнение с работы...\""
  sleep 0.05
done
x11_move 300 540
x11_wait_until caption_as_before 5 "the work button does not read \"Работа\" again"
x11_note "ok: quit; the work button reads \"Работа\" again"
echo "PASS"
