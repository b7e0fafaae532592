# Shared steps of the window tests: a private virtual X server, the game in
# it, waits, screenshots, pixel comparisons and the log. Sourced by every
# tests/x11/*.sh script; CTest gives each script these variables:
#   ZX_GAME      the game executable (build/game/zendrix2)
#   ZX_GAME_DIR  the program folder (build/game)
#   ZX_OUT       a folder for this test's screenshots and logs, kept after the run
# Functions fail the test with `x11_fail message`; the session is torn down
# on exit whatever happens.

set -uo pipefail

X11_SCREEN_W=1280
X11_SCREEN_H=1024
# The bound of every wait, in seconds. The tests wait for what they expect
# to see (a window, its keyboard, a pixel, a log line), never for a fixed
# time, so a slow machine makes them take longer but not fail; only a game
# that never gets there reaches this bound.
X11_WAIT=${X11_WAIT:-30}

x11_fail() {
  echo "FAIL: $*" >&2
  x11_keep_screen
  if [[ -n "${X11_GAME_OUT:-}" && -s "$X11_GAME_OUT" ]]; then
    echo "--- the game's output ---" >&2
    tail -n 40 "$X11_GAME_OUT" >&2
  fi
  echo "Screenshots and logs: $ZX_OUT" >&2
  exit 1
}

x11_note() { echo "  $*"; }

# Keeps what the screen showed when the test failed: $ZX_OUT/failed.png, and
# the windows (those on the screen, then all) and the one with the keyboard
# in $ZX_OUT/failed-windows.txt.
x11_keep_screen() {
  [[ -n "${X11_XVFB_PID:-}" && -z "${X11_KEEPING:-}" ]] && kill -0 "$X11_XVFB_PID" 2>/dev/null || return 0
  X11_KEEPING=1
  import -window root "$ZX_OUT/failed.png" 2>/dev/null && echo "The screen: $ZX_OUT/failed.png" >&2
  {
    echo "keyboard: window $(printf '0x%x' "$(xdotool getwindowfocus -f 2>/dev/null)")"
    echo "mapped windows (id width height left top):"
    x11_windows
    echo "every window, mapped or not:"
    xwininfo -root -tree
  } >"$ZX_OUT/failed-windows.txt" 2>&1
}

# Tools a window test needs (those every test needs, and those named); without
# them the test is skipped (exit code 77), except on CI, where a missing tool
# is a failure.
x11_require() {
  local missing=()
  for tool in Xvfb xdotool xwininfo import convert compare iconv setxkbmap "$@"; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  if [[ ${#missing[@]} -gt 0 ]]; then
    echo "missing tools: ${missing[*]} (install them with .ci/install-deps.sh)" >&2
    [[ "${CI:-}" == "true" ]] && exit 1
    exit 77
  fi
  [[ -x "${ZX_GAME:-}" ]] || x11_fail "the game is not built: ${ZX_GAME:-ZX_GAME unset}"
}

x11_cleanup() {
  local status=$?
  if [[ -n "${X11_GAME_PID:-}" ]] && kill -0 "$X11_GAME_PID" 2>/dev/null; then
    kill -KILL "$X11_GAME_PID" 2>/dev/null
    wait "$X11_GAME_PID" 2>/dev/null
  fi
  if [[ -n "${X11_PROBE_PID:-}" ]]; then
    kill -TERM "$X11_PROBE_PID" 2>/dev/null
    wait "$X11_PROBE_PID" 2>/dev/null
  fi
  if [[ -n "${X11_WM_PID:-}" ]]; then
    # What the manager started first (xfwm4 under its session bus, which
    # then takes its bus down with it), then the manager.
    pkill -TERM -P "$X11_WM_PID" 2>/dev/null
    kill -TERM "$X11_WM_PID" 2>/dev/null
    wait "$X11_WM_PID" 2>/dev/null
  fi
  if [[ -n "${X11_XVFB_PID:-}" ]]; then
    kill -TERM "$X11_XVFB_PID" 2>/dev/null
    wait "$X11_XVFB_PID" 2>/dev/null
  fi
  [[ -n "${X11_TMP:-}" ]] && rm -rf "$X11_TMP"
  exit "$status"
}

# Starts a private X server on a free display (the server picks the number
# itself, so tests can run side by side) and points SDL at it. Arguments:
# further tools the test needs.
x11_session_start() {
  x11_require "$@"
  mkdir -p "$ZX_OUT"
  rm -f "$ZX_OUT"/*.png "$ZX_OUT"/*.txt "$ZX_OUT"/*.log
  X11_TMP=$(mktemp -d "${TMPDIR:-/tmp}/zx-x11-XXXXXX")
  trap x11_cleanup EXIT
  trap 'exit 1' INT TERM

  local fifo="$X11_TMP/displayfd"
  mkfifo "$fifo"
  # ZX_XVFB_ARGS: more for the server, e.g. "-extension MIT-SHM".
  # shellcheck disable=SC2086
  Xvfb -displayfd 3 -screen 0 "${X11_SCREEN_W}x${X11_SCREEN_H}x24" -noreset -nolisten tcp ${ZX_XVFB_ARGS:-} \
    3>"$fifo" >"$ZX_OUT/xvfb.txt" 2>&1 &
  X11_XVFB_PID=$!
  local number=""
  read -r -t 10 number <"$fifo" || x11_fail "the virtual X server did not start (see $ZX_OUT/xvfb.txt)"
  [[ -n "$number" ]] || x11_fail "the virtual X server gave no display number"
  export DISPLAY=":$number"
  unset WAYLAND_DISPLAY XAUTHORITY
  # A Russian layout beside the Latin one: xdotool then types Cyrillic with
  # keys the keyboard has. Without it, xdotool binds each letter to a spare
  # key for a moment, and a game that reads the key after the binding has
  # changed again (a busy machine) gets another letter or none.
  setxkbmap -layout us,ru || x11_fail "setxkbmap could not load the layouts us,ru"

  # No session bus here: without this, SDL's D-Bus client forks to look for
  # one with dbus-launch while the game builds its windows on another thread.
  # A sanitizer build can hang in that child (its allocator's lock, held by
  # the other thread at the fork, never comes free), and the window never comes.
  export DBUS_SESSION_BUS_ADDRESS=disabled:
  export SDL_VIDEODRIVER=x11
  export SDL_AUDIODRIVER=dummy
  export SDL_RENDER_DRIVER=software
  export SDL_FRAMEBUFFER_ACCELERATION=0
  export ZENDRIX_SYSTEM_DIR="$X11_TMP/system"
  mkdir -p "$ZENDRIX_SYSTEM_DIR"
  x11_note "display $DISPLAY, system folder $ZENDRIX_SYSTEM_DIR"
}

# Starts a window manager on the session's display: $1 names it (openbox when
# not given; also fluxbox, icewm, metacity, xfwm4, jwm, twm, i3, fvwm or
# herbstluftwm). Without one the game's windows are undecorated X windows;
# with one each sits in a frame of the same size.
# The manager gets a home folder of its own in the session's folder, so that
# neither the user's settings nor the files a manager writes on its first
# run come in, and the few that need it a small configuration there.
# A manager has announced itself (_NET_SUPPORTING_WM_CHECK) before it takes
# windows: openbox sets it before its event loop runs, and a window asked
# for then may never be shown (it stays unmapped on the root window, and
# SDL_ShowWindow waits for ever). So this returns only once the manager has
# taken a window of the test's own (xlogo), asked for again as long as it
# is not taken: the window is on the screen and the manager has put
# WM_STATE on it, which every manager does, those that put no frame round a
# window too. That window is then closed, and its frame waited off the
# screen, before the game starts.
x11_wm_start() {
  local wm=${1:-openbox}
  x11_require "$wm" xlogo xprop
  local home="$X11_TMP/wm-home" command=()
  mkdir -p "$home/.config" "$home/.cache" "$home/.local/share"
  case $wm in
    openbox) command=(openbox --sm-disable) ;;
    fluxbox | icewm | jwm) command=("$wm") ;;
    metacity) command=(metacity --sm-disable --no-composite) ;;
    xfwm4)
      # xfwm4 reads its settings through a session bus, and ends without one.
      x11_require dbus-run-session
      command=(dbus-run-session -- xfwm4 --compositor=off --sm-client-disable)
      ;;
    twm)
      # Windows where they ask to be, or anywhere: twm's own settings have the
      # user place each new window with the mouse.
      printf '%s\n' RandomPlacement UsePPosition\ \"on\" >"$home/.twmrc"
      command=(twm -f "$home/.twmrc")
      ;;
    i3)
      # No bar and no first-run wizard; windows float, at their own sizes.
      printf '%s\n' 'font fixed' 'for_window [class=".*"] floating enable' >"$home/i3.conf"
      command=(i3 -c "$home/i3.conf")
      ;;
    fvwm)
      # Windows where they ask to be, or where they cover the least; those
      # that ask for no frame (the game's) get none, as under the others.
      printf '%s\n' 'Style * MinOverlapPlacement, UsePPosition, MwmDecor, MwmBorder, MwmFunctions' >"$home/fvwm.conf"
      command=(fvwm -f "$home/fvwm.conf")
      ;;
    herbstluftwm)
      # Windows float, at their own sizes; no panel.
      printf '%s\n' '#!/bin/sh' 'herbstclient rule floating=on' >"$home/autostart"
      chmod +x "$home/autostart"
      command=(herbstluftwm --autostart "$home/autostart")
      ;;
    *) x11_fail "x11_wm_start knows no window manager \"$wm\"" ;;
  esac
  HOME=$home NO_AT_BRIDGE=1 XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache XDG_DATA_HOME=$home/.local/share \
    "${command[@]}" >"$ZX_OUT/$wm.txt" 2>&1 &
  X11_WM_PID=$!
  X11_WM_NAME=$wm

  # The test's window: xlogo under a name no other window has.
  local name="zx-wm-probe-$BASHPID"
  xlogo -name "$name" -geometry 40x40+20+20 >"$ZX_OUT/$wm-probe.txt" 2>&1 &
  X11_PROBE_PID=$!
  X11_PROBE="" X11_PROBE_POLLS=0
  wm_took_probe() {
    kill -0 "$X11_WM_PID" 2>/dev/null || x11_fail "$X11_WM_NAME ended at its start (see $ZX_OUT/$X11_WM_NAME.txt)"
    [[ -n "$X11_PROBE" ]] || X11_PROBE=$(xdotool search --classname "^$name\$" 2>/dev/null | head -n1)
    [[ -n "$X11_PROBE" ]] || return 1
    if x11_viewable "$X11_PROBE"; then
      xprop -id "$X11_PROBE" WM_STATE 2>/dev/null | grep -q 'window state: Normal'
      return
    fi
    # A request to show the window that comes while openbox is still setting
    # up is lost: the window stays unmapped on the root window for good. So
    # the request is made again, once in twenty looks (a second), as long as
    # the manager has not taken the window; a manager that has it already
    # takes the request for the window it shows.
    ((++X11_PROBE_POLLS % 20 == 0)) && ! xprop -id "$X11_PROBE" WM_STATE 2>/dev/null | grep -q 'window state' &&
      xdotool windowmap "$X11_PROBE" 2>/dev/null
    return 1
  }
  x11_wait_for wm_took_probe "$wm does not take windows (see $ZX_OUT/$wm.txt)"
  local top
  top=$(x11_toplevel "$X11_PROBE")
  kill -TERM "$X11_PROBE_PID" 2>/dev/null
  wait "$X11_PROBE_PID" 2>/dev/null
  X11_PROBE_PID=""
  x11_wait_gone "$top" "the window $wm took at its start, closed"
  x11_note "$wm manages the screen"
}

# Points ZX_GAME at a copy of the program folder whose "config.pc" has the
# values given (x11_game_copy Money=20000 Fun=100): the executable is copied
# (the game finds its folder from its own path), the data are shared.
x11_game_copy() {
  command -v perl >/dev/null 2>&1 || { echo "perl is needed to rewrite the configuration" >&2; exit 77; }
  local copy="$X11_TMP/game"
  mkdir -p "$copy"
  cp "$ZX_GAME" "$copy/zendrix2"
  ln -s "$ZX_GAME_DIR/data" "$copy/data"
  ln -s "$ZX_GAME_DIR/bin" "$copy/bin"
  local file
  for file in skill.pc instruct.pf; do cp "$ZX_GAME_DIR/$file" "$copy/$file"; done
  # Every line of "config.pc" is XORed with one key byte; the line breaks are plain.
  perl -e '
    my ($in, $out, @values) = @ARGV;
    my %value = map { /^([^=]*)=(.*)$/ ? ($1, $2) : () } @values;
    my $key = chr(0xA7);
    open(my $r, "<:raw", $in) or die "$in: $!";
    open(my $w, ">:raw", $out) or die "$out: $!";
    while (my $line = <$r>) {
      my ($body, $end) = $line =~ /^(.*?)(\r?\n?)$/s;
      my $plain = $body ^ ($key x length $body);
      my ($name) = $plain =~ /^([^=]*)=/;
      $plain = "$name=$value{$name}" if defined $name && exists $value{$name};
      print $w (($plain ^ ($key x length $plain)) . $end);
    }
  ' "$ZX_GAME_DIR/config.pc" "$copy/config.pc" "$@" || x11_fail "could not write the configuration $*"
  ZX_GAME="$copy/zendrix2"
}

# Starts the game in the background.
x11_game_start() {
  X11_GAME_OUT="$ZX_OUT/game-output.txt"
  "$ZX_GAME" "$@" >"$X11_GAME_OUT" 2>&1 &
  X11_GAME_PID=$!
}

x11_game_running() { kill -0 "$X11_GAME_PID" 2>/dev/null; }

# Waits (up to $1 seconds, X11_WAIT by default) for the game to end; its
# exit status goes to X11_GAME_STATUS.
x11_wait_exit() {
  local deadline=$((SECONDS + ${1:-$X11_WAIT}))
  while x11_game_running; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
  wait "$X11_GAME_PID"
  X11_GAME_STATUS=$?
  X11_GAME_PID=""
  return 0
}

# The parent of window $1: "root" for a top-level window.
x11_parent() {
  xwininfo -tree -id "$1" 2>/dev/null |
    sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\) (the root window).*/root/p; s/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p' |
    head -n1
}

# The mapped top-level windows, one a line: "id width height left top".
# Each child of the root window is asked whether it is on the screen, then
# whether it is still a child of the root, and its place and size are read
# as they are then. Under a window manager a window waits on the root
# window, unmapped, until the manager puts it in a frame and shows the
# frame: listed just before, it is on the screen a moment later, inside the
# frame, which is the top-level window to wait for, click and give keys to.
x11_windows() {
  local id info
  for id in $(xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'); do
    info=$(xwininfo -id "$id" 2>/dev/null) || continue
    [[ "$info" == *"Map State: IsViewable"* ]] || continue
    [[ "$(x11_parent "$id")" == root ]] || continue
    awk -v id="$id" '/^ *Absolute upper-left X:/ { x = $4 } /^ *Absolute upper-left Y:/ { y = $4 }
                     /^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print id, w, h, x, y }' <<<"$info"
  done
}

# Waits for a mapped window of $1 × $2 pixels, other than those listed in $3
# (ids separated by spaces), and sets WIN_ID, WIN_X, WIN_Y.
x11_wait_window() {
  local width=$1 height=$2 skip=" ${3:-} " deadline=$((SECONDS + X11_WAIT))
  [[ "${3:-}" =~ ^[0-9]+$ ]] && skip=" "  # a bound in seconds, as scripts once gave: X11_WAIT holds
  local id w h x y
  while ((SECONDS < deadline)); do
    x11_game_running || x11_fail "the game ended before its ${width}x${height} window appeared"
    while read -r id w h x y; do
      if [[ "$w" == "$width" && "$h" == "$height" && "$skip" != *" $id "* ]]; then
        WIN_ID=$id WIN_X=$x WIN_Y=$y
        return 0
      fi
    done < <(x11_windows)
    sleep 0.05
  done
  x11_fail "no ${width}x${height} window within $X11_WAIT s"
}

# Waits for a mapped window other than those listed in $1 (ids separated by
# spaces) and sets WIN_ID, WIN_X, WIN_Y, WIN_W, WIN_H; $2 says what it is.
x11_wait_new_window() {
  local known=" $1 " deadline=$((SECONDS + X11_WAIT))
  local id w h x y
  while ((SECONDS < deadline)); do
    x11_game_running || x11_fail "the game ended before $2 appeared"
    while read -r id w h x y; do
      if [[ "$known" != *" $id "* ]]; then
        WIN_ID=$id WIN_W=$w WIN_H=$h WIN_X=$x WIN_Y=$y
        return 0
      fi
    done < <(x11_windows)
    sleep 0.02
  done
  x11_fail "$2 did not appear within $X11_WAIT s"
}

# The ids of the mapped windows, separated by spaces.
x11_window_ids() { x11_windows | cut -d' ' -f1 | tr '\n' ' '; }

# Whether window $1 is mapped and viewable.
x11_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# Whether top-level window $1 is stacked above top-level window $2 (the
# server lists the root's children topmost first).
x11_above() {
  local id
  for id in $(xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'); do
    ((id == $1)) && return 0
    ((id == $2)) && return 1
  done
  return 1
}

# Waits until window $1 is off the screen (hidden or destroyed).
x11_wait_gone() {
  local deadline=$((SECONDS + X11_WAIT))
  while x11_viewable "$1"; do
    ((SECONDS < deadline)) || x11_fail "window $1 stayed on the screen: $2"
    sleep 0.02
  done
}

# The top-level window (a child of the root: the window itself, or the
# frame a window manager put it in) that holds window $1.
x11_toplevel() {
  local id=$1 parent
  while parent=$(x11_parent "$id"); do
    [[ -n "$parent" && "$parent" != root && "$parent" != 0x0 ]] || break
    id=$parent
  done
  printf '0x%x\n' "$id"
}

# The window inside top-level window $1 that the game made: the window
# itself, or the named child of a window manager's frame.
x11_client() {
  local child
  child=$(xwininfo -children -id "$1" 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) ".*/\1/p' | head -n1)
  echo "${child:-$1}"
}

# Waits until window WIN_ID has the keyboard: keys sent before that would go
# to the window that had it. The game gives the keyboard to each window it
# shows, just after showing it.
x11_wait_keyboard() {
  local deadline=$((SECONDS + X11_WAIT)) want focus
  want=$(printf '0x%x' $((WIN_ID)))
  while :; do
    focus=$(xdotool getwindowfocus -f 2>/dev/null) && [[ -n "$focus" ]] &&
      [[ "$(x11_toplevel "$focus")" == "$want" ]] && break
    x11_game_running || x11_fail "the game ended before window $WIN_ID got the keyboard"
    ((SECONDS < deadline)) || x11_fail "window $WIN_ID did not get the keyboard within $X11_WAIT s (window $(printf '0x%x' "${focus:-0}") has it)"
    sleep 0.02
  done
}

# Keys for window WIN_ID, once it has the keyboard: x11_key Return
x11_key() {
  x11_wait_keyboard
  xdotool key "$@"
}

# Re-reads the position of window WIN_ID.
x11_window_position() {
  local info
  info=$(xwininfo -id "$WIN_ID" 2>/dev/null) || x11_fail "window $WIN_ID is gone"
  WIN_X=$(sed -n 's/.*Absolute upper-left X: *\(-\{0,1\}[0-9]*\).*/\1/p' <<<"$info")
  WIN_Y=$(sed -n 's/.*Absolute upper-left Y: *\(-\{0,1\}[0-9]*\).*/\1/p' <<<"$info")
}

# Screenshot of the whole screen into $ZX_OUT/$1.png; prints the path.
x11_shot() {
  local path="$ZX_OUT/$1.png"
  import -window root "$path" 2>/dev/null || x11_fail "screenshot failed"
  echo "$path"
}

# Mouse at a point of window WIN_ID.
x11_move() { xdotool mousemove $((WIN_X + $1)) $((WIN_Y + $2)); }

# Cuts the region W×H at (x, y) out of a picture: x11_crop in.png W H x y out.png
x11_crop() { convert "$1" -crop "$2x$3+$4+$5" +repage "$6"; }

# Number of pixels that differ between two pictures of the same size (a few
# levels of rounding allowed).
x11_diff() { compare -metric AE -fuzz 1% "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

# The colour of one pixel as #RRGGBB: x11_pixel picture.png x y
x11_pixel() {
  convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | sed -n 's/.*\(#[0-9A-Fa-f]\{6\}\).*/\1/p' | head -n1
}

# The colours of several pixels of a picture, read at once, as RRGGBB
# separated by spaces: x11_pixels picture.png "x y" "x y" ...
x11_pixels() {
  local picture=$1 point x y format=""
  shift
  for point in "$@"; do
    read -r x y <<<"$point"
    format+="%[hex:u.p{$x,$y}] "
  done
  convert "$picture" -depth 8 -format "$format" info:
}

# Polls screenshots until check_function (given the screenshot path) succeeds:
#   x11_wait_until check_function description
# When it never does, the message names what check_function-why (if defined)
# says about the last screenshot.
x11_wait_until() {
  local check=$1 deadline=$((SECONDS + X11_WAIT)) shot
  # "check seconds description", as scripts once called it: X11_WAIT holds.
  [[ $# -ge 3 && "$2" =~ ^[0-9]+$ ]] && shift
  while :; do
    [[ -z "${X11_GAME_PID:-}" ]] || x11_game_running || x11_fail "the game ended while waiting: $2"
    shot=$(x11_shot last)
    "$check" "$shot" && return 0
    ((SECONDS < deadline)) || break
    sleep 0.05
  done
  cp "$shot" "$ZX_OUT/failed-$check.png"
  local why=""
  [[ "$(type -t "$check-why")" == function ]] && why=": $("$check-why" "$shot")"
  x11_fail "$2$why (screen in $ZX_OUT/failed-$check.png)"
}

# Whether window WIN_ID shows its navy title strip in a screenshot: the
# frame every game window has, drawn.
x11_title_drawn() { [[ "$(x11_pixel "$1" $((WIN_X + 4)) $((WIN_Y + 8)))" == "#000080" ]]; }

# Waits until window WIN_ID is drawn.
x11_wait_drawn() { x11_wait_until x11_title_drawn "window $WIN_ID is not drawn"; }

# Whether the instructions window shows its start button "Начать игру": its
# amber skin at (752, 608), 150 × 28, left of its caption.
x11_start_shown() {
  local colour
  colour=$(x11_pixel "$1" $((WIN_X + 760)) $((WIN_Y + 622)))
  [[ "${colour^^}" != "#000000" ]]
}
x11_start_shown-why() { echo "the place of \"Начать игру\" is still black"; }

# Whether the registration field whose top left corner is at X11_FIELD
# ("left top" in window WIN_ID) shows the text cursor at its start: the white
# bar the game draws in the field that has the focus, while it is empty.
x11_field_focused() {
  local left top
  read -r left top <<<"$X11_FIELD"
  [[ "$(x11_pixel "$1" $((WIN_X + left + 3)) $((WIN_Y + top + 10)))" == "#FFFFFF" ]]
}
x11_field_focused-why() { echo "the field at $X11_FIELD shows no text cursor"; }

# From the main menu to the game screen of a new game: the registration
# (fields clicked and typed), the instructions shown whole with Alt+Enter,
# "Начать игру". Sets WIN_ID, WIN_X, WIN_Y to the game screen.
x11_new_game() {
  x11_wait_window 253 411
  x11_move 126 138
  xdotool click 1
  x11_wait_window 328 254
  x11_wait_keyboard
  # A window manager holds each click on a window until it has looked at it
  # (openbox: to raise and focus the window), but not the keys typed after
  # it, which go straight to the window with the keyboard. So each field is
  # typed into once it shows the text cursor: the click has reached the game.
  # The first field has the cursor from the start; a click on it held until
  # the middle of its typing must leave the cursor where the typing goes on,
  # so every field is clicked right of where its text will end.
  local field left top text
  for field in "152 88 Ivan" "192 128 Petrov" "144 168 vanya"; do
    read -r left top text <<<"$field"
    X11_FIELD="$left $top"
    x11_move $((left + 100)) $((top + 10))
    xdotool click 1
    x11_wait_until x11_field_focused "the click on the field at $X11_FIELD did not give it the focus"
    xdotool type --delay 60 "$text"
  done
  x11_move 243 230
  xdotool click 1
  x11_wait_window 949 643
  x11_key alt+Return
  x11_wait_until x11_start_shown "Alt+Enter did not show \"Начать игру\""
  x11_move 827 622
  xdotool click 1
  x11_wait_window 756 566
}

# Polls a check (a function and its arguments, as one word list) until it
# succeeds:  x11_wait_for "check_function args" description
x11_wait_for() {
  local deadline=$((SECONDS + X11_WAIT))
  until $1; do
    [[ -z "${X11_GAME_PID:-}" ]] || x11_game_running || x11_fail "the game ended while waiting: $2"
    ((SECONDS < deadline)) || x11_fail "$2 (not within $X11_WAIT s)"
    sleep 0.05
  done
}

# The log's lines in UTF-8, without the time suffix "  -  H:MM:SS".
x11_log_lines() {
  local log="$ZENDRIX_SYSTEM_DIR/ZendrixLog.log"
  [[ -f "$log" ]] || return 1
  cp "$log" "$ZX_OUT/ZendrixLog.log"
  iconv -f CP1251 -t UTF-8 "$log" | tr -d '\r' | sed 's/  -  [0-9]*:[0-9][0-9]:[0-9][0-9]$//'
}

# From the game screen of a new game (WIN_ID) to the job search's refusal of
# the first job to a player without education: "Работа", then "Расфасовщик
# CD-дисков". Sets FWORK, FWORK_X, FWORK_Y to the job search and BOX to the
# refusal box over it, which has the keyboard (WIN_ID too).
x11_job_refusal() {
  x11_move $((589 + 100)) $((42 + 3 * 52 + 18))
  xdotool click 1
  x11_wait_window 252 176
  FWORK=$WIN_ID FWORK_X=$WIN_X FWORK_Y=$WIN_Y
  x11_wait_keyboard
  local known
  known=$(x11_window_ids)
  x11_move $((16 + 110)) $((32 + 18))
  xdotool click 1
  x11_wait_window 430 159 "$known"
  BOX=$WIN_ID
  x11_wait_keyboard
}
