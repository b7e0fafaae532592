#!/usr/bin/env bash
# Runs every benchmark of the game against its floor, each in one run:
#   bench/run.sh BUILD_DIR
# the Google Benchmark set (moves over the main menu and the chooser painted
# and presented on SDL's dummy video driver, start-up warm and cold, game
# years), the skin decode in ten fresh processes, and on a private virtual X
# server: memory in real windows, the main menu mapped against a bare SDL
# window, the wake-ups at rest. Prints the figures and ratios; judges nothing.
set -uo pipefail
BUILD=$(cd "${1:-build}" && pwd)
HERE=$(cd "$(dirname "$0")" && pwd)
cd "$BUILD/bench"

echo "=== Google Benchmark set ==="
./zx_bench
echo
echo "=== skin decode, ten fresh processes ==="
./zx_bench_decode --processes 10
echo

if ! command -v Xvfb >/dev/null; then
  echo "Xvfb is missing: memory in real windows, the main menu mapped and the wake-ups at rest not measured"
  exit 0
fi
tmp=$(mktemp -d "${TMPDIR:-/tmp}/zx-bench-XXXXXX")
mkfifo "$tmp/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$tmp/displayfd" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
read -r -t 10 number <"$tmp/displayfd" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$number"
echo "=== memory in real windows (Xvfb $DISPLAY) ==="
./zx_bench_memory
echo
echo "=== the main menu mapped, against a bare SDL window ==="
./zx_bench_mapped "$BUILD/game/zendrix2" ./zx_bench_bare_window 15
echo
echo "=== wake-ups at rest in the main menu ==="
bash "$HERE/idle_wakeups.sh" "$BUILD/game/zendrix2" 5
