# Sourced by the scripts that drive the game under a virtual X server: starts the game with
# every prompt it shows logged, and ends it when the script ends, however that comes about.
#
#   start_game COMMAND RUN_DIR LOG      COMMAND must end up as the game itself (exec); each
#                                       prompt is logged to LOG as "velmora.prompts|TEXT".

readonly WAIT_PROMPT='Program is Loading the Dictionary. Please wait...'
readonly PROMPT_CATEGORY=velmora.prompts

fail() { echo "FAIL: $*" >&2; exit 1; }

game=
stop_game() {
  if [ -n "$game" ] && kill -0 "$game" 2>/dev/null; then
    kill -TERM "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
  fi
}
trap stop_game EXIT
trap 'exit 143' TERM INT

start_game() { # COMMAND RUN_DIR LOG
  cd "$2"
  QT_LOGGING_RULES="$PROMPT_CATEGORY.info=true" QT_MESSAGE_PATTERN='%{category}|%{message}' \
    "$1" </dev/null >"$3.out" 2>"$3" &
  game=$!
}
