#!/usr/bin/env bash
# Builds the dictionary fuzzer with clang in build-fuzz and runs it for a while.
#
#   scripts/fuzz.sh [seconds]      (default 60)
#
# The fuzzer starts from a scratch copy of tests/data/fuzz-seeds, so nothing it finds is
# written into the source tree. A crashing input is kept in build-fuzz/fuzz-artifacts.
set -euo pipefail

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
  echo "usage: $0 [seconds]" >&2
  exit 2
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
target=velmora_fuzz_dictionary

if [ -f "$build/CMakeCache.txt" ] && ! grep -q '^CMAKE_CXX_COMPILER_ID:.*Clang\|^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' "$build/CMakeCache.txt"; then
  echo "$build was configured with another compiler; remove it and run again." >&2
  exit 1
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  generator=()
  command -v ninja >/dev/null && generator=(-G Ninja)
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" "${generator[@]}" \
    -DVELMORA_FUZZ=ON -DVELMORA_BUILD_BENCH=OFF
fi
cmake --build "$build" --target "$target"

work="$(mktemp -d "${TMPDIR:-/tmp}/velmora-fuzz.XXXXXX")"
trap 'rm -rf "$work"' EXIT
cp -R "$root/tests/data/fuzz-seeds" "$work/corpus"
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

echo "Fuzzing for ${seconds} s from $(find "$work/corpus" -type f | wc -l) seed files..."
status=0
"$build/fuzz/$target" \
  -max_len=262144 \
  -max_total_time="$seconds" \
  -timeout=10 \
  -rss_limit_mb=4096 \
  -print_final_stats=1 \
  -artifact_prefix="$artifacts/" \
  "$work/corpus" || status=$?

echo "Corpus at the end: $(find "$work/corpus" -type f | wc -l) files, $(du -sk "$work/corpus" | cut -f1) KiB"
if [ "$status" -ne 0 ]; then
  echo "The fuzzer stopped with status $status; reproducers are in $artifacts:" >&2
  ls -l "$artifacts" >&2 || true
fi
exit "$status"
