#!/usr/bin/env bash
# The sound device is open only while something sounds: the main menu at
# rest has no audio thread at all; a click's sound opens the device, which
# closes again once the sound has ended, and the next click opens it anew.
source "$(dirname "$0")/lib/session.sh"

MENU_W=253 MENU_H=411

x11_session_start

# SDL's playback thread of the open device ("SDLAudioP2" and the like).
audio_threads() {
  local comm
  for comm in /proc/"$X11_GAME_PID"/task/*/comm; do
    [[ "$(cat "$comm" 2>/dev/null)" == SDLAudioP* ]] && echo "$comm"
  done
}
device_open() { [[ -n "$(audio_threads)" ]]; }
device_closed() { ! device_open; }

# A menu button that only sounds its click: "Загрузить игру" (1) or "Настройки" (4).
click_button() {
  x11_move 120 $((120 + 48 * $1 + 18))
  xdotool click 1
}

x11_game_start
x11_wait_window $MENU_W $MENU_H
x11_wait_drawn
device_closed || x11_fail "the main menu at rest keeps a sound device open: $(audio_threads)"
x11_note "ok: no sound device in the main menu at rest"

click_button 1
x11_wait_for device_open "the click in the main menu opened no sound device"
x11_note "ok: the click's sound opened the device"
x11_wait_for device_closed "the sound device stays open after the click's sound has ended"
x11_note "ok: the device closed once the sound had ended"

click_button 4
x11_wait_for device_open "the second click did not open the sound device again"
x11_note "ok: the next click opened it again"
x11_wait_for device_closed "the sound device stays open after the second click's sound"
x11_game_running || x11_fail "the game ended"
x11_note "ok: closed again"
