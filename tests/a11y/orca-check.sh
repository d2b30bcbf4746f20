#!/usr/bin/env bash
# Plays with the keyboard alone while the Orca screen reader runs, and checks what Orca speaks:
# the start-up prompts, new games from the settings window, the main window and the question
# to play again, hits, a miss, a repeat, the empty box, the mask read line by line (flat
# review), a win and a loss with its answer, each result spoken in full before the question
# that follows it.
#
#   tests/a11y/orca-check.sh BUILD_FOLDER [TRANSCRIPT]
#
# Everything runs in a scratch folder on a virtual X display that only it can reach
# (tests/support/x-server.sh), with a D-Bus session, an accessibility bus, a window manager
# and a speech server of its own whose sound goes nowhere; everything it starts is ended when
# it ends, whether it passes or not. What Orca spoke is printed, and written to TRANSCRIPT if
# given. VELMORA_A11Y_KEEP=1 keeps the scratch folder, VELMORA_A11Y_TRACE=1 traces the steps.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

# Polls COMMAND every tenth of a second until it succeeds; fails after SECONDS.
wait_until() { # SECONDS WHAT COMMAND...
  local tries=$(($1 * 10)) what=$2
  shift 2
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "timed out waiting for $what"
    sleep 0.1
  done
}

if [ "${1:-}" != --inside ]; then
  [ $# -ge 1 ] || fail "usage: $0 BUILD_FOLDER [TRANSCRIPT]"
  build=$(cd "$1" && pwd)
  transcript=${2:-}
  [ -x "$build/velmora" ] && [ -d "$build/Images" ] || fail "no game built in $build"
  for tool in Xvfb xauth xdotool dbus-daemon gsettings openbox speech-dispatcher orca; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps.sh test"
  done
  [ -x /usr/libexec/at-spi-bus-launcher ] || fail "at-spi-bus-launcher is missing: run scripts/install-deps.sh test"
  source "$(dirname "$0")/../support/x-server.sh"

  work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-orca.XXXXXX")
  session= isolated=
  finish() {
    local rc=$?
    if [ -n "$session" ]; then
      kill -KILL "$session" 2>/dev/null || true
      [ -n "$isolated" ] || kill -KILL -- "-$session" 2>/dev/null || true
    fi
    stop_x_server
    wait 2>/dev/null || true
    if [ "$rc" -ne 0 ] && [ -f "$work/orca-debug.out" ]; then
      echo "-- the end of Orca's debug file:" >&2
      tail -n 15 "$work/orca-debug.out" >&2
      echo "-- what Orca spoke:" >&2
      sed -n -E "s/^[0-9:.]+ - SPEECH OUTPUT: '(.*)'( voice=[a-z]+)?\[?\{.*$/   \1/p" "$work/orca-debug.out" >&2
    fi
    if [ -n "${VELMORA_A11Y_KEEP:-}" ]; then
      echo "-- the scratch folder is kept: $work"
    else
      rm -rf "$work"
    fi
    exit "$rc"
  }
  trap finish EXIT
  trap 'exit 143' TERM INT HUP

  # The X server stays outside the process namespace below, which takes DISPLAY and
  # XAUTHORITY with it: only what runs there can reach the server.
  start_x_server "$work" -screen 0 1024x768x24 || fail "no X server of its own could be started"

  # A process namespace of its own where the system allows one: when it ends, everything
  # started in it ends too, and no Orca of the same user elsewhere on the machine is in the
  # way (Orca runs once per user). Elsewhere, a process group of its own is ended instead.
  isolate=(setsid)
  if unshare --pid --fork --mount-proc --kill-child true 2>/dev/null; then
    isolate=(unshare --pid --fork --mount-proc --kill-child)
    isolated=1
  fi
  "${isolate[@]}" \
    timeout -k 5 150 bash ${VELMORA_A11Y_TRACE:+-x} "$0" --inside "$build" "$work" "$transcript" &
  session=$!
  wait "$session"
  exit $?
fi

# ---- inside: the desktop, the screen reader and the game ----
build=$2 work=$3 transcript=$4
readonly debug_file="$work/orca-debug.out"

export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
export GSETTINGS_BACKEND=keyfile LANG=C.UTF-8 LC_ALL=C.UTF-8
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY SPEECHD_ADDRESS NO_AT_BRIDGE
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$work/orca" "$work/game/Dictionary"
mkdir -m 700 "$XDG_RUNTIME_DIR"

started=()
# Ends what was started, the last first, each given three seconds to finish on its own.
stop_all() {
  local i pid tries
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    pid=${started[i]}
    kill -TERM "$pid" 2>/dev/null || continue
    for ((tries = 30; tries > 0; tries--)); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
trap stop_all EXIT
trap 'exit 143' TERM INT HUP

# The D-Bus session and the accessibility bus, with toolkit accessibility switched on.
dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus" >"$work/dbus.log" 2>&1 &
started+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
wait_until 10 "the D-Bus session" test -S "$XDG_RUNTIME_DIR/bus"
gsettings set org.gnome.desktop.interface toolkit-accessibility true
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
started+=($!)

# Without a window manager no window becomes active, and Orca stays silent.
openbox --startup "touch $work/openbox-ready" >"$work/openbox.log" 2>&1 &
started+=($!)
wait_until 10 "the window manager" test -e "$work/openbox-ready"

# A speech server of its own, speaking into a file on top of the null device: without a sound
# card it would hang after its first message.
cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/speech-dispatcher"
cat >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
EOF
cat >"$HOME/.asoundrc" <<EOF
pcm.!default {
    type file
    slave.pcm "null"
    file "$work/speech.raw"
    format "raw"
}
EOF
speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" \
  --log-dir "$work/speechd-log" >"$work/speechd.out" 2>&1 &
started+=($!)
wait_until 10 "the speech server" test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"

# Orca logs every utterance to its debug file as "SPEECH OUTPUT: 'TEXT'" followed by the voice;
# the file is made line-buffered so that it can be read while Orca runs.
cat >"$work/orca/orca-customizations.py" <<'EOF'
import orca.debug
import orca.settings
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.enableBraille = False  # there is no braille display
EOF
orca --user-prefs "$work/orca" --debug-file "$debug_file" >"$work/orca.out" 2>&1 &
started+=($!)

# Every utterance from line FROM of the debug file on, one a line.
spoken_from() { # FROM
  tail -n "+$1" "$debug_file" 2>/dev/null \
    | sed -n -E "s/^[0-9:.]+ - SPEECH OUTPUT: '(.*)'( voice=[a-z]+)?\[?\{.*$/\1/p"
}
mark=0 # the debug file's line of the utterance last matched
# Waits until Orca speaks TEXT, the whole utterance, after the one matched before.
expect() { # TEXT [SECONDS]
  local tries=$((${2:-10} * 10)) line
  while :; do
    line=$(T="SPEECH OUTPUT: '$1'" M="$mark" awk 'NR > ENVIRON["M"] {
        i = index($0, ENVIRON["T"])
        if (i && substr($0, i + length(ENVIRON["T"]), 1) ~ /[[{ ]/) { print NR; exit }
      }' "$debug_file" 2>/dev/null) || true
    if [ -n "$line" ]; then
      mark=$line
      return 0
    fi
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "Orca did not say '$1'. After what was expected before, it said:
$(spoken_from "$((mark + 1))")"
    sleep 0.1
  done
}
# Fails if Orca cut its speech short between the utterances on lines FROM and TO.
not_cut_short() { # FROM TO WHAT
  if sed -n "$1,$2p" "$debug_file" | grep -q 'DEFAULT: Interrupting presentation'; then
    fail "Orca cut $3 short"
  fi
}
key() { xdotool key --clearmodifiers "$@"; }
# Types TYPED into the Letter box (nothing: leaves it empty), moves to "Try it!" and presses it.
guess() { # TYPED
  [ -z "$1" ] || xdotool type -- "$1"
  key Tab
  expect "Try it! push button."
  key space
}

expect "Screen reader on." 40

# A dictionary of one entry: every game draws it.
printf 'hello\n' >"$work/game/Dictionary/Dictionary.txt"
cp -r "$build/Images" "$work/game/Images"
(cd "$work/game" && QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
  exec "$build/velmora" >"$work/game.out" 2>&1) &
started+=($!)

echo "-- start-up: the two prompts, each answered with Return"
expect "Program is Loading the Dictionary. Please wait..." 30
key Return
expect " 1 words loaded."
key Return
expect "Start a new game! push button."

echo "-- a new game from the settings window, then one from the main window"
key Tab
expect "Settings push button."
key space
expect "Velmora Settings frame."
key shift+Tab
expect "Change the Difficulty and Start a New Game push button."
key space
expect "New word, 5 letters: blank, blank, blank, blank, blank."
expect "Settings push button."
key shift+Tab
expect "Start a new game! push button."
key space
expect "New word, 5 letters: blank, blank, blank, blank, blank."

echo "-- a won game: guesses typed into the box and tried with the button"
key shift+Tab shift+Tab
expect "Letter text."
guess e
expect "e is in the word: blank, e, blank, blank, blank."
# Flat review: the line of the focus, then three lines down to the mask.
key KP_Up
expect "Letter Try it! Word Length: 5 letters Stage 0 of 10"
key KP_Page_Up KP_Page_Up KP_Page_Up
expect "5 letters, 1 found: blank, e, blank, blank, blank"
guess x
expect "x is not in the word. 9 chances left. Stage 1 of 10."
guess x
expect "x was already guessed."
guess ""
expect "Please type a letter in the box using the keyboard."
guess l
expect "l is in the word: blank, e, l, l, blank."
guess h
expect "h is in the word: h, e, l, l, blank."
guess o
expect "o is in the word: h, e, l, l, o."
result=$mark
expect "You've won! Play again?"
not_cut_short "$result" "$mark" "the winning guess"
key Return

echo "-- a lost game"
expect "New word, 5 letters: blank, blank, blank, blank, blank."
chances=10
for miss in a b c d f g i j k; do
  chances=$((chances - 1))
  guess "$miss"
  left="$chances chances"
  [ "$chances" -ne 1 ] || left="1 chance"
  expect "$miss is not in the word. $left left. Stage $((10 - chances)) of 10."
done
guess z
expect "z is not in the word. 0 chances left. Stage 10 of 10. The answer: hello."
result=$mark
expect "You've lost! Play again?"
not_cut_short "$result" "$mark" "the answer"
key n

# The speech server really spoke, into its file.
[ -s "$work/speech.raw" ] || fail "the speech server produced no sound"

echo "-- what Orca spoke"
spoken_from 1 | tee ${transcript:+"$transcript"} | sed 's/^/   /'
echo "-- Orca followed the whole game"
