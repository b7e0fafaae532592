#!/usr/bin/env bash
# A broken picture in real windows: with the main menu's normal skin replaced
# by random bytes, every form that loads it reports a JPEG error in a box of
# its own at start. Each box is answered with Enter as soon as it is up. The
# main menu cannot show itself at all and is never left up behind the boxes:
# that last error ends the start, in a box of its own too, and the game then
# ends by itself with status 1, cleanly, without an X error from a box
# already gone.
source "$(dirname "$0")/lib/session.sh"

x11_session_start

# A copy of the program folder whose "data/buttons/menu_1.jpg" is noise.
GAME_COPY="$X11_TMP/game"
mkdir -p "$GAME_COPY/data"
cp "$ZX_GAME" "$GAME_COPY/zendrix2"
for entry in "$ZX_GAME_DIR"/*; do
  name=${entry##*/}
  [[ "$name" == zendrix2 || "$name" == data ]] || ln -s "$entry" "$GAME_COPY/$name"
done
for entry in "$ZX_GAME_DIR"/data/*; do
  [[ "${entry##*/}" == buttons ]] || ln -s "$entry" "$GAME_COPY/data/"
done
mkdir -p "$GAME_COPY/data/buttons"
for entry in "$ZX_GAME_DIR"/data/buttons/*; do ln -s "$entry" "$GAME_COPY/data/buttons/"; done
rm "$GAME_COPY/data/buttons/menu_1.jpg"
head -c 4096 /dev/urandom >"$GAME_COPY/data/buttons/menu_1.jpg"
ZX_GAME="$GAME_COPY/zendrix2"

# One for each form that loads the skin at start (four of them choosers of a
# new game), and the last for the main menu that cannot be shown.
BOXES=18
x11_game_start
# Each box is a window not seen before; the main menu (253 × 411) may be
# mapped for an instant while its show fails and is passed over, but it is
# hidden again before the first box comes up.
seen=""
for ((box = 1; box <= BOXES; box++)); do
  while :; do
    x11_wait_new_window "$seen" "error box $box"
    seen+=" $WIN_ID"
    [[ "$WIN_W,$WIN_H" == 253,411 ]] || break
  done
  if x11_windows | grep -qE '^[^ ]+ 253 411 '; then
    x11_shot menu-behind-box
    x11_fail "the main menu is up behind error box $box"
  fi
  x11_key Return
done
x11_note "ok: $BOXES error boxes answered, none with the main menu behind it"

x11_wait_exit || x11_fail "the game did not end after its error boxes"
if grep -q "X Error" "$X11_GAME_OUT"; then
  x11_fail "the game ended with an X error"
fi
grep -q "JPEG error" "$X11_GAME_OUT" || x11_fail "the game did not name the JPEG error"
[[ $X11_GAME_STATUS -eq 1 ]] || x11_fail "a start that failed ended with status $X11_GAME_STATUS, not 1"
x11_note "ok: the game ended with status $X11_GAME_STATUS and no X error"
echo "PASS"
