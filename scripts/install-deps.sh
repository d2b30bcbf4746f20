#!/usr/bin/env bash
# Installs the Debian packages Velmora needs, using sudo when not run as root:
#
#   scripts/install-deps.sh play      building and playing the game
#   scripts/install-deps.sh package   the same, and building the Debian package
#   scripts/install-deps.sh test      all of that, and every check of the test command
#
# Safe to run again: only what is missing is installed.
set -euo pipefail

play=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev libicu-dev
  fontconfig fonts-liberation2 fonts-noto-core fonts-noto-cjk fonts-noto-color-emoji
)
# cpack's Debian generator reads the program's library dependencies with dpkg-shlibdeps and
# tells the programs from the other files with file.
package=(dpkg-dev file)
test=(
  libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox dbus at-spi2-core libglib2.0-bin
  desktop-file-utils appstream lintian
  python3-pytest python3-regex python3-msgpack
)

case "${1:-}" in
  play) packages=("${play[@]}") ;;
  package) packages=("${play[@]}" "${package[@]}") ;;
  test) packages=("${play[@]}" "${package[@]}" "${test[@]}") ;;
  *)
    echo "usage: $0 play|package|test" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ "${#missing[@]}" -gt 0 ] || exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "$0: installing ${missing[*]} needs root or sudo" >&2; exit 1; }
  sudo_cmd=(sudo)
fi
# env passes the setting through sudo. The lock timeout waits for another package manager run
# to finish rather than failing.
apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
"${sudo_cmd[@]}" "${apt[@]}" update -qq
"${sudo_cmd[@]}" "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
