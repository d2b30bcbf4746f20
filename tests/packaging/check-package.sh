#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks what it declares and contains,
# installs it and starts the installed game the way a player would: through bin/velmora,
# from a folder that has nothing to do with the game, on a virtual X server.
#
#   check-package.sh CPACK CPACK_CONFIG VERSION SOURCE_DIR
#
# The package is unpacked into a scratch root with dpkg-deb -x. Run as root with
# VELMORA_TEST_REAL_INSTALL=1 to install it into the system instead (apt-get or dpkg);
# it is removed again afterwards unless it was installed before.
set -euo pipefail

readonly APP_ID=org.velmora.Velmora
readonly WAIT_PROMPT='Program is Loading the Dictionary. Please wait...'
readonly PROMPT_CATEGORY=velmora.prompts

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

# --- Game session, run inside xvfb-run ----------------------------------------------------
# drive LAUNCHER RUN_DIR LOG EXPECTED_COUNT_LINE
if [ "${1:-}" = --drive ]; then
  launcher=$2 run_dir=$3 log=$4 count_prompt=$5
  game=
  # The launcher execs the program, so $game is the game itself.
  stop_game() {
    if [ -n "$game" ] && kill -0 "$game" 2>/dev/null; then
      kill -TERM "$game" 2>/dev/null || true
      wait "$game" 2>/dev/null || true
    fi
  }
  trap stop_game EXIT
  trap 'exit 143' TERM INT

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

  cd "$run_dir"
  QT_LOGGING_RULES="$PROMPT_CATEGORY.info=true" QT_MESSAGE_PATTERN='%{category}|%{message}' \
    "$launcher" </dev/null >"$log.out" 2>"$log" &
  game=$!

  wait_for_prompt "$WAIT_PROMPT" 20 \
    || fail "the wait prompt was not logged (category $PROMPT_CATEGORY); program output:
$(cat "$log" "$log.out")"

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
    || fail "the count prompt '$count_prompt' was not logged; program output:
$(cat "$log" "$log.out")"

  # The wait prompt must come first, and nothing may have been reported missing.
  first=$(grep -m1 -F -- "$PROMPT_CATEGORY|" "$log")
  [ "$first" = "$PROMPT_CATEGORY|$WAIT_PROMPT" ] || fail "first prompt was '$first'"
  if grep -qF -- 'File not found' "$log"; then
    fail "the game did not find its dictionary: $(cat "$log")"
  fi
  kill -0 "$game" 2>/dev/null || fail "the game exited on its own: $(cat "$log" "$log.out")"
  exit 0
fi

# --- Package build and checks -------------------------------------------------------------

[ $# -eq 4 ] || fail "usage: $0 CPACK CPACK_CONFIG VERSION SOURCE_DIR"
cpack=$1 cpack_config=$2 version=$3 source_dir=$4

work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-package-test.XXXXXX")
installed_here=
cleanup() {
  if [ -n "$installed_here" ]; then
    note "removing the installed package"
    dpkg -r velmora >/dev/null 2>&1 || echo "warning: could not remove velmora" >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT

note "building the package"
"$cpack" --config "$cpack_config" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 \
  || fail "cpack failed:
$(cat "$work/cpack.log")"

arch=$(dpkg --print-architecture)
deb="$work/out/velmora_${version}_${arch}.deb"
[ -f "$deb" ] || fail "expected $deb; cpack made: $(ls "$work/out")"

depends=$(dpkg-deb -f "$deb" Depends)
note "Depends: $depends"
# Library dependencies come from dpkg-shlibdeps: without them the package would install
# on a system that cannot run it.
depend_names=$(sed 's/([^)]*)//g; s/[|,]/\n/g' <<<"$depends" | tr -d ' ')
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2; do
  grep -qxF -- "$needed" <<<"$depend_names" || fail "Depends lacks $needed: $depends"
done

# Everything goes under /usr, and the program is not on PATH by itself.
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
if grep -Ev '^\./(usr/.*)?$' "$work/contents"; then
  fail "files outside /usr (above)"
fi
grep -qx './usr/bin/velmora' "$work/contents" || fail "no /usr/bin/velmora launcher"
grep -qx './usr/libexec/velmora/velmora' "$work/contents" || fail "no /usr/libexec/velmora/velmora"

# --- Install ------------------------------------------------------------------------------

if [ "${VELMORA_TEST_REAL_INSTALL:-}" = 1 ] && [ "$(id -u)" -eq 0 ]; then
  root=
  if ! dpkg-query -W -f='${Status}' velmora 2>/dev/null | grep -q 'install ok installed'; then
    installed_here=1
  fi
  note "installing $deb into the system"
  if command -v apt-get >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" \
      >"$work/install.log" 2>&1 || fail "apt-get install failed: $(cat "$work/install.log")"
  else
    dpkg -i "$deb" >"$work/install.log" 2>&1 || fail "dpkg -i failed: $(cat "$work/install.log")"
  fi
else
  if [ "${VELMORA_TEST_REAL_INSTALL:-}" = 1 ]; then
    note "VELMORA_TEST_REAL_INSTALL=1 needs root: unpacking instead"
  fi
  root="$work/root"
  dpkg-deb -x "$deb" "$root"
fi
usr="$root/usr"

# --- Desktop entry, metainfo and icons ----------------------------------------------------

desktop="$usr/share/applications/$APP_ID.desktop"
metainfo="$usr/share/metainfo/$APP_ID.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejected $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejected $metainfo"

entry() { sed -n "s/^$1=//p" "$desktop" | head -n1; }
[ "$(entry Exec)" = velmora ] || fail "Exec=$(entry Exec)"
[ "$(entry Path)" = /usr/share/velmora ] || fail "Path=$(entry Path) is not the installed data folder"
[ "$(entry Icon)" = "$APP_ID" ] || fail "Icon=$(entry Icon)"
grep -qF "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" \
  || fail "the metainfo does not launch $APP_ID.desktop"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"

png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }
for side in 16 32 48 64 128 256; do
  icon="$usr/share/icons/hicolor/${side}x${side}/apps/$APP_ID.png"
  [ -f "$icon" ] || fail "missing $icon"
  [ "$(png_size "$icon")" = "${side}x${side}" ] || fail "$icon is $(png_size "$icon")"
done
[ -f "$usr/share/icons/hicolor/scalable/apps/$APP_ID.svg" ] || fail "missing the scalable icon"

# --- Data and licences --------------------------------------------------------------------

data="$usr/share/velmora"
diff -r "$source_dir/Dictionary" "$data/Dictionary" || fail "installed Dictionary/ differs"
diff -r "$source_dir/Images" "$data/Images" || fail "installed Images/ differs"
for f in LICENSE LICENSES/wordlists.txt; do
  cmp -s "$source_dir/$f" "$usr/share/doc/velmora/$f" || fail "share/doc/velmora/$f missing or stale"
done

# --- Start the installed game -------------------------------------------------------------

count=$(grep -c . "$data/Dictionary/Dictionary.txt")
run_dir="$work/elsewhere"
mkdir "$run_dir"
note "starting $usr/bin/velmora from $run_dir (expecting ' $count words loaded.')"
timeout 60 xvfb-run -a -e "$work/xvfb.log" -s '-screen 0 1024x768x24' \
  bash "$0" --drive "$usr/bin/velmora" "$run_dir" "$work/game.log" " $count words loaded." \
  || fail "the installed game did not start as expected (X server log: $(cat "$work/xvfb.log" 2>/dev/null))"

note "package $(basename "$deb") is good"
