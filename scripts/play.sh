#!/usr/bin/env bash
# Installs what building and playing needs, builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh" play
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BUILD_BENCH=OFF
cmake --build "$build" -j "$(nproc)" --target velmora
# The game finds Dictionary/ and Images/ in its working folder; the build puts them beside it.
cd "$build"
exec ./velmora
