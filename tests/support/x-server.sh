#!/usr/bin/env bash
# A virtual X server of the check's own, which only its own clients can reach: other X servers
# started on the same machine at the same time, and their clients, cannot get in its way.
#
# Sourced:  start_x_server DIR [XVFB_ARGUMENTS...]
#             starts the server with its files in DIR and exports DISPLAY and XAUTHORITY for
#             it; X_SERVER_PID is the server. stop_x_server ends it.
# Run:      x-server.sh [XVFB_ARGUMENTS...] -- COMMAND [ARGUMENTS...]
#             runs COMMAND on a server of its own, ends the server afterwards and exits with
#             COMMAND's status. The server's log is printed when COMMAND fails.
#
# The server picks a free display itself (-displayfd) and takes only clients that bring its
# random cookie. Before anything is started on it, the display it reported must take a client
# with the cookie and refuse one without: that is this server and no other. Otherwise the
# server is ended and another one started.

X_SERVER_PID=

stop_x_server() {
  if [ -n "$X_SERVER_PID" ]; then
    kill -TERM "$X_SERVER_PID" 2>/dev/null || true
    wait "$X_SERVER_PID" 2>/dev/null || true
    X_SERVER_PID=
  fi
}

start_x_server() { # DIR [XVFB_ARGUMENTS...]
  local dir=$1 cookie display attempt tries tool
  shift
  local auth="$dir/xauthority" log="$dir/xvfb.log"
  for tool in Xvfb xauth mcookie xdotool; do
    if ! command -v "$tool" >/dev/null; then
      echo "$tool is missing: run scripts/install-deps.sh test" >&2
      return 1
    fi
  done
  : >"$log"
  for attempt in 1 2 3 4 5; do
    cookie=$(mcookie)
    rm -f "$auth" "$dir/display"
    # The server accepts every cookie in its file, whatever display it is filed under; the
    # clients look theirs up by display number, which is known only once the server is up.
    xauth -q -f "$auth" add :0 MIT-MAGIC-COOKIE-1 "$cookie" 2>/dev/null
    Xvfb -displayfd 3 -auth "$auth" -nolisten tcp -noreset "$@" 3>"$dir/display" 2>>"$log" &
    X_SERVER_PID=$!
    display=
    for ((tries = 150; tries > 0; tries--)); do
      # The file is made by the background start, which may not have got that far yet.
      display=$(sed -n 's/^\([0-9][0-9]*\)$/\1/p' "$dir/display" 2>/dev/null || true)
      [ -z "$display" ] || break
      kill -0 "$X_SERVER_PID" 2>/dev/null || break
      sleep 0.1
    done
    if [ -n "$display" ]; then
      xauth -q -f "$auth" add ":$display" MIT-MAGIC-COOKIE-1 "$cookie"
      if DISPLAY=":$display" XAUTHORITY="$auth" xdotool getdisplaygeometry >/dev/null 2>&1 &&
        ! DISPLAY=":$display" XAUTHORITY=/dev/null xdotool getdisplaygeometry >/dev/null 2>&1; then
        export DISPLAY=":$display" XAUTHORITY="$auth"
        return 0
      fi
      echo "x-server.sh: :$display is not the server just started (attempt $attempt)" >>"$log"
    else
      echo "x-server.sh: the server reported no display (attempt $attempt)" >>"$log"
    fi
    stop_x_server
  done
  echo "could not start an X server of its own; its log:" >&2
  cat "$log" >&2
  return 1
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  xvfb_arguments=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    xvfb_arguments+=("$1")
    shift
  done
  [ $# -ge 2 ] || { echo "usage: $0 [XVFB_ARGUMENTS...] -- COMMAND [ARGUMENTS...]" >&2; exit 2; }
  shift
  x_dir=$(mktemp -d "${TMPDIR:-/tmp}/velmora-x.XXXXXX")
  command_pid=
  finish() {
    local rc=$?
    [ -z "$command_pid" ] || kill -TERM -- "-$command_pid" 2>/dev/null || true
    stop_x_server
    rm -rf "$x_dir"
    exit "$rc"
  }
  trap finish EXIT
  trap 'exit 143' TERM INT HUP
  start_x_server "$x_dir" "${xvfb_arguments[@]}"
  # In the background and in a process group of its own, so that a signal ends the command,
  # all it started and the server at once. Not `wait PID`: on a busy machine bash can lose
  # track of a child that has ended, and then waits for ever or answers 127 whatever the
  # command did. The status comes through a file, and kill -0 tells when the command is gone.
  status_file="$x_dir/status" setsid bash -c '"$@"; echo $? >"$status_file"' command "$@" <&0 &
  command_pid=$!
  while [ ! -s "$x_dir/status" ] && kill -0 "$command_pid" 2>/dev/null; do
    sleep 0.1
  done
  status=$(cat "$x_dir/status" 2>/dev/null || echo 1) # none: the command was ended by a signal
  command_pid=
  if [ "$status" -ne 0 ] && [ -s "$x_dir/xvfb.log" ]; then
    echo "-- the X server's log:" >&2
    cat "$x_dir/xvfb.log" >&2
  fi
  exit "$status"
fi
