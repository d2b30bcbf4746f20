#!/usr/bin/env bash
# Installs what building and packaging needs, builds the Debian package in build-package/ and
# installs it, using sudo when not run as root. The game is then in the desktop's menu and at
# /usr/games/velmora.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_BUILD_DIR:-$root/build-package}

"$root/scripts/install-deps.sh" package
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BUILD_BENCH=OFF
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y \
  "$build/velmora_${version}_$(dpkg --print-architecture).deb"
