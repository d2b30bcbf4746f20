#!/usr/bin/env bash
# Runs the game's command with the arguments a player may type, with no display at all:
# --help and --version answer on standard output and exit 0, and anything else is refused with
# the usage on standard error and status 2. Asked for nothing but help or the version, the
# installed launcher makes no folder.
#
#   check-command-line.sh COMMAND VERSION
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

[ $# -eq 2 ] || fail "usage: $0 COMMAND VERSION"
command=$1 version=$2
[[ $command == /* ]] || command=$PWD/$command
readonly USAGE='Usage: velmora [options]'

work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-command-line.XXXXXX")
trap 'rm -rf "$work"' EXIT

# ARGUMENTS | STATUS | first line of standard output (status 0) or of standard error
cases=(
  "--help|0|$USAGE"
  "-h|0|$USAGE"
  "--version|0|Velmora $version"
  "-v|0|Velmora $version"
  "-platform offscreen -style Fusion -reverse --version|0|Velmora $version"
  "--bogus|2|velmora: Unknown option 'bogus'."
  "--help --bogus|2|velmora: Unknown option 'bogus'."
  "extra|2|velmora: Unexpected argument 'extra'."
  "-style|2|velmora: Missing value after '-style'."
)

for case in "${cases[@]}"; do
  IFS='|' read -r arguments expected_status expected_line <<<"$case"
  read -ra args <<<"$arguments"
  rm -rf "${work:?}/home"
  status=0
  (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME \
     HOME="$work/home" timeout 20 "$command" "${args[@]}" >"$work/out" 2>"$work/err") || status=$?
  [ "$status" = "$expected_status" ] \
    || fail "'velmora $arguments' exited $status, not $expected_status: $(cat "$work/out" "$work/err")"
  if [ "$status" = 0 ]; then
    [ "$(head -n1 "$work/out")" = "$expected_line" ] || fail "'velmora $arguments' printed: $(cat "$work/out")"
    [ ! -s "$work/err" ] || fail "'velmora $arguments' wrote to standard error: $(cat "$work/err")"
    [ "${#args[@]}" -gt 1 ] || [ ! -e "$work/home" ] || fail "'velmora $arguments' made a folder in the home folder"
  else
    [ "$(head -n1 "$work/err")" = "$expected_line" ] || fail "'velmora $arguments' said: $(cat "$work/err")"
    grep -qxF "$USAGE" "$work/err" || fail "'velmora $arguments' did not show the usage: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "'velmora $arguments' wrote to standard output: $(cat "$work/out")"
  fi
done
help=$(env -u DISPLAY "$command" --help)
grep -qF -- '--version' <<<"$help" || fail "--help does not list --version"
grep -qF -- '  de.txt     German, Deutsch' <<<"$help" || fail "--help does not name the word lists: $help"
echo "-- the command line of $command is answered without a display"
