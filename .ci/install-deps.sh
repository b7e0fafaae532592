#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing, fuzzing and the
# end-to-end checks need. Asks apt only when something is missing.
#   .ci/install-deps.sh          install what is missing (as root, or through
#                                sudo without a password when CI=true)
#   .ci/install-deps.sh --check  only report; exit 1 when something is missing
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache clang clang-format libclang-rt-14-dev
  libsdl2-dev libx11-dev libxext-dev libsdl2-ttf-dev libsdl2-mixer-dev libjpeg62-turbo-dev libfontconfig-dev fonts-dejavu-core
  libgtest-dev libbenchmark-dev valgrind
  xvfb xauth xdotool imagemagick x11-apps x11-utils x11-xkb-utils openbox fluxbox icewm metacity herbstluftwm wmctrl
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

line="apt-get update && apt-get install -y ${missing[*]}"
if [[ "${1:-}" == "--check" ]]; then
  echo "Missing packages: ${missing[*]}" >&2
  exit 1
fi

if [[ $(id -u) -eq 0 ]]; then
  sudo=()
elif [[ "${CI:-}" == "true" ]] && command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
  sudo=(sudo -n)
else
  cat >&2 <<MSG
Some packages this game needs are not installed: ${missing[*]}
Install them once as the administrator, then run the command again:

    sudo sh -c '$line'

MSG
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q "${missing[@]}"
