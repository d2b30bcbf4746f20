#!/usr/bin/env bash
# Plays a word list of the player's own as a player does, on the X display it is run under
# (tests/support/x-server.sh): starts the game, answers its start-up prompts, types the list's
# name into the settings window and loads it, starts a new game and guesses the given
# characters. Succeeds when the list's count prompt and then the won prompt are logged; the
# game is then ended.
#
#   play-own-list.sh COMMAND RUN_DIR LOG LIST_NAME COUNT_PROMPT GUESSES
#
# GUESSES are the characters to type, separated by blanks. COMMAND is started in RUN_DIR and
# must end up as the game itself (exec); every prompt is logged to LOG as
# "velmora.prompts|TEXT". Controls are clicked at their centres, in pixels from the windows'
# layout tables (twips / 15); on a display without a window manager both windows sit at the
# top left corner.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../support/game-session.sh"
readonly WON_PROMPT="You've won! Play again?"

[ $# -eq 6 ] || fail "usage: $0 COMMAND RUN_DIR LOG LIST_NAME COUNT_PROMPT GUESSES"
command=$1 run_dir=$2 log=$3 list_name=$4 count_prompt=$5 guesses=$6

prompts() { grep -F -- "$PROMPT_CATEGORY|" "$log" || echo '(none)'; }
times_shown() { grep -cxE -- "$PROMPT_CATEGORY\\|$1" "$log" || true; }
wait_for() { # REGEX TIMES SECONDS: the prompt has been shown TIMES times
  local deadline=$((SECONDS + $3))
  while [ "$(times_shown "$1")" -lt "$2" ] && [ "$SECONDS" -lt "$deadline" ]; do
    kill -0 "$game" 2>/dev/null || fail "the game exited: $(tail -n 20 "$log")"
    sleep 0.2
  done
  [ "$(times_shown "$1")" -ge "$2" ] || fail "no prompt matching '$1' (shown $2 times); the prompts: $(prompts)"
}
# Presses Return in the message boxes (titled exactly "Velmora") until none is left.
close_boxes() {
  local deadline=$((SECONDS + 20))
  while xdotool search --onlyvisible --name '^Velmora$' >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || fail "a message box stays open; the prompts: $(prompts)"
    xdotool key Return >/dev/null 2>&1 || true
    sleep 0.3
  done
}
click() { # WINDOW X Y
  xdotool mousemove --sync --window "$1" "$2" "$3" click 1
  sleep 0.3
}
literal() { sed 's/[][\.*^$?+(){}|]/\\&/g' <<<"$1"; }

start_game "$command" "$run_dir" "$log"

wait_for "$(literal "$WAIT_PROMPT")" 1 20
close_boxes
wait_for ' -?[0-9]+ words loaded\.' 1 20
close_boxes

main=$(timeout 10 xdotool search --sync --onlyvisible --name '^Velmora Version' | head -n1)
click "$main" 388 456 # Settings
settings=$(timeout 10 xdotool search --sync --onlyvisible --name '^Velmora Settings$' | head -n1)
click "$settings" 104 356 # Text1
xdotool key ctrl+a
xdotool type --delay 20 -- "$list_name"
click "$settings" 260 356 # LoadTheDictionary

wait_for "$(literal "$WAIT_PROMPT")" 2 20
close_boxes
wait_for "$(literal "$count_prompt")" 1 20
close_boxes
if grep -qF 'File not found' "$log"; then
  fail "the list '$list_name' was not found; the prompts: $(prompts)"
fi

# The settings window covers the guessing controls.
xdotool windowmove --sync "$settings" 600 0
click "$main" 188 456 # NewGame
for guess in $guesses; do
  click "$main" 36 190 # Letter
  xdotool type -- "$guess"
  click "$main" 140 192 # EnterCharacter
done
wait_for "$(literal "$WON_PROMPT")" 1 10
exit 0
