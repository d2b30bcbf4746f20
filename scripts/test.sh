#!/usr/bin/env bash
# Installs everything the checks need and runs them: the tests (warnings as errors), the play
# command from a clean build folder, a game followed with the Orca screen reader, the tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer, a short fuzzing run and a quick
# benchmark run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$root/scripts/install-deps.sh" test

echo "== build and test"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON
cmake --build "$root/build" -j "$jobs"
(cd "$root/build" && ctest --output-on-failure -j "$jobs")

echo "== the play command, from a clean build folder"
"$root/tests/play/check-play.sh"

echo "== a game followed with the Orca screen reader, keyboard only"
"$root/tests/a11y/orca-check.sh" "$root/build"

echo "== the same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
# Debug checks stay on; -O1, as the sanitizers advise, makes the checked code run several times
# faster, so every test keeps well within its time limit on a busy machine too.
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
  -DVELMORA_WERROR=ON -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_BENCH=OFF
cmake --build "$root/build-asan" -j "$jobs"
(cd "$root/build-asan" &&
  ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1" \
  LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --output-on-failure -j "$jobs" -LE packaging)

if [ -x "$root/scripts/fuzz.sh" ]; then
  echo "== fuzzing the dictionary reader for ${VELMORA_FUZZ_SECONDS:-60} s"
  "$root/scripts/fuzz.sh" "${VELMORA_FUZZ_SECONDS:-60}"
fi

echo "== benchmark (short run)"
"$root/build/bench/velmora_bench" --benchmark_min_time=0.05
