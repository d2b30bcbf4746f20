#!/usr/bin/env bash
# Sets up everything, builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j "$(nproc)" --target velmora
# The game finds Dictionary/ and Images/ in its working folder; the build puts them beside it.
cd "$root/build"
exec ./velmora
