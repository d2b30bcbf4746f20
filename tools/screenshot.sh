#!/usr/bin/env bash
# Draws the main window and the settings window of a game in progress into
# docs/screenshots/main.png and docs/screenshots/settings.png, with the real dictionary,
# stage pictures and fonts, on a virtual X display (no window manager needed).
#
#   tools/screenshot.sh [BUILD_FOLDER]      (default: build)
#
# Needs: what scripts/install-deps.sh test installs, a configured build folder. Builds
# velmora_screenshots first.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-build}"
case "$build" in
  /*) ;;
  *) build="$root/$build" ;;
esac
out="$root/docs/screenshots"

if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "screenshot.sh: $build is not a configured build folder" >&2
  exit 1
fi
cmake --build "$build" --target velmora_screenshots velmora_data_Dictionary velmora_data_Images
mkdir -p "$out"

# The pictures are drawn in the build folder, which holds Dictionary/ and Images/.
cd "$build"
bash "$root/tests/support/x-server.sh" -screen 0 1280x1024x24 -dpi 96 -- \
  env QT_QPA_PLATFORM=xcb ./velmora_screenshots "$out/main.png" "$out/settings.png"
echo "Wrote $out/main.png and $out/settings.png"
