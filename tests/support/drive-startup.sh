#!/usr/bin/env bash
# Starts the game the way a player does and answers its start-up prompts with the keyboard,
# on the X display it is run under (tests/support/x-server.sh). Succeeds when the wait prompt
# comes first and is followed by the count prompt given, with the game still running; the game
# is then ended.
#
#   drive-startup.sh COMMAND RUN_DIR LOG COUNT_PROMPT [SECONDS_TO_WAIT_PROMPT]
#
# COMMAND is started in RUN_DIR and must end up as the game itself (exec). Every prompt the
# game shows is logged to LOG as "velmora.prompts|TEXT".
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/game-session.sh"

[ $# -ge 4 ] || fail "usage: $0 COMMAND RUN_DIR LOG COUNT_PROMPT [SECONDS]"
command=$1 run_dir=$2 log=$3 count_prompt=$4 start_seconds=${5:-20}

has_prompt() { grep -qxF -- "$PROMPT_CATEGORY|$1" "$log"; }
wait_for_prompt() { # TEXT SECONDS
  local deadline=$((SECONDS + $2))
  while [ "$SECONDS" -lt "$deadline" ]; do
    has_prompt "$1" && return 0
    kill -0 "$game" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}

start_game "$command" "$run_dir" "$log"

wait_for_prompt "$WAIT_PROMPT" "$start_seconds" \
  || fail "the wait prompt was not logged (category $PROMPT_CATEGORY); program output:
$(tail -n 40 "$log" "$log.out")"

# Loading goes on once the wait box is dismissed. The log line may come before the box is
# mapped and focused, so Return is pressed again until the count prompt shows up.
deadline=$((SECONDS + 25))
while ! has_prompt "$count_prompt" && [ "$SECONDS" -lt "$deadline" ]; do
  kill -0 "$game" 2>/dev/null || break
  timeout 3 xdotool search --sync --onlyvisible --name '^Velmora$' >/dev/null 2>&1 || true
  timeout 3 xdotool key Return >/dev/null 2>&1 || true
  wait_for_prompt "$count_prompt" 2 && break
done
has_prompt "$count_prompt" \
  || fail "the count prompt '$count_prompt' was not logged; the game's prompts:
$(grep -F -- "$PROMPT_CATEGORY|" "$log" || echo '(none)')"

# The wait prompt must come first, and nothing may have been reported missing.
first=$(grep -m1 -F -- "$PROMPT_CATEGORY|" "$log")
[ "$first" = "$PROMPT_CATEGORY|$WAIT_PROMPT" ] || fail "first prompt was '$first'"
if grep -qF -- 'File not found' "$log"; then
  fail "the game did not find its dictionary: $(cat "$log")"
fi
kill -0 "$game" 2>/dev/null || fail "the game exited on its own: $(tail -n 40 "$log" "$log.out")"
exit 0
