#!/usr/bin/env bash
# Runs the README's play command as a new player does, into a clean build folder, on a virtual
# X server: the game must start with its data, showing the wait prompt and then the count of
# the shipped dictionary, and the stage pictures must be beside the program.
#
#   tests/play/check-play.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-play-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
build="$work/build"
entries=$(grep -c '' "$root/Dictionary/Dictionary.txt")

echo "-- ./scripts/play.sh into a clean build folder (expecting ' $entries words loaded.')"
# The script builds before it starts the game: the wait prompt may take minutes to come.
VELMORA_BUILD_DIR="$build" timeout 900 bash "$root/tests/support/x-server.sh" -screen 0 1024x768x24 -- \
  bash "$root/tests/support/drive-startup.sh" "$root/scripts/play.sh" "$root" "$work/game.log" \
  " $entries words loaded." 840 \
  || fail "the play command did not start the game with its dictionary"

for stage in $(seq 0 10); do
  cmp -s "$root/Images/$stage.bmp" "$build/Images/$stage.bmp" \
    || fail "Images/$stage.bmp is not beside the program in $build"
done
cmp -s "$root/Dictionary/Dictionary.txt" "$build/Dictionary/Dictionary.txt" \
  || fail "Dictionary/Dictionary.txt is not beside the program in $build"
echo "-- the play command starts the game with its dictionary and pictures"
