#!/usr/bin/env bash
# Installs what building and playing needs, builds the game in build-play/ and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_BUILD_DIR:-$root/build-play}

"$root/scripts/install-deps.sh" play
# A folder of its own, and every option the build relies on given here, so that nothing the
# test command configured (warnings as errors, sanitizers) reaches it; the benchmark would
# need a library that playing does not.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMORA_WERROR=OFF -DVELMORA_SANITIZE=OFF -DVELMORA_BUILD_BENCH=OFF -DVELMORA_FUZZ=OFF
cmake --build "$build" -j "$(nproc)" --target velmora
# The game finds Dictionary/ and Images/ in its working folder; the build puts them beside it.
cd "$build"
exec ./velmora
