#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks what it declares and contains and
# runs lintian on it, installs it and starts the installed game the way a player would: by
# the menu entry's command, from a folder that has nothing to do with the game, on a virtual
# X server, as a new player whose game folder is made on that first start. A word list is
# then put into that folder, loaded by name through the settings window and played.
#
#   check-package.sh CPACK CPACK_CONFIG VERSION SOURCE_DIR
#
# The package is unpacked into a scratch root with dpkg-deb -x. Run as root with
# VELMORA_TEST_REAL_INSTALL=1 to install it into the system instead (apt-get or dpkg);
# it is removed again afterwards unless it was installed before.
set -euo pipefail

readonly APP_ID=org.velmora.Velmora
HERE=$(cd "$(dirname "$0")" && pwd)
readonly HERE DRIVER="$HERE/../support/drive-startup.sh" X_SERVER="$HERE/../support/x-server.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

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
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libicu72 fonts-liberation2; do
  grep -qxF -- "$needed" <<<"$depend_names" || fail "Depends lacks $needed: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
[ "$recommends" = "fonts-noto-core, fonts-noto-cjk, fonts-noto-color-emoji" ] \
  || fail "Recommends is not the fonts for every script: $recommends"

# Everything goes under /usr, and the program is not on PATH by itself. The launcher is
# where Debian keeps games, and nothing is in /usr/bin.
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
if grep -Ev '^\./(usr/.*)?$' "$work/contents"; then
  fail "files outside /usr (above)"
fi
grep -qx './usr/games/velmora' "$work/contents" || fail "no /usr/games/velmora launcher"
grep -qx './usr/libexec/velmora/velmora' "$work/contents" || fail "no /usr/libexec/velmora/velmora"
if grep -E '^\./usr/bin/.' "$work/contents"; then
  fail "files in /usr/bin (above)"
fi

note "lintian"
lintian_said=$(lintian --fail-on error,warning "$deb" 2>"$work/lintian.err") \
  || fail "lintian failed: $lintian_said $(cat "$work/lintian.err")"
[ -z "$lintian_said" ] || fail "lintian reports:
$lintian_said"

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
# Pedantic: nothing but the note that the id has capital letters, which it keeps.
if appstreamcli validate --no-net --pedantic "$metainfo" | grep -E '^[EWIP]: ' \
    | grep -vF ' cid-contains-uppercase-letter '; then
  fail "appstreamcli --pedantic has remarks on $metainfo (above)"
fi

entry() { sed -n "s/^$1=//p" "$desktop" | head -n1; }
[ "$(entry Exec)" = /usr/games/velmora ] || fail "Exec=$(entry Exec) is not the installed launcher"
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
cmp -s "$source_dir/LICENSE" "$usr/share/doc/velmora/LICENSE" || fail "share/doc/velmora/LICENSE missing or stale"
diff -r "$source_dir/LICENSES" "$usr/share/doc/velmora/LICENSES" || fail "installed LICENSES/ differs"
cmp -s "$source_dir/packaging/debian/copyright" "$usr/share/doc/velmora/copyright" \
  || fail "share/doc/velmora/copyright missing or stale"
zcat "$usr/share/man/man6/velmora.6.gz" | grep -qF '/usr/share/velmora/' \
  || fail "the manual page does not name the installed data folder"

# --- Command line -------------------------------------------------------------------------

launcher="$root$(entry Exec)"
bash "$HERE/check-command-line.sh" "$launcher" "$version"

# --- The player's folder ------------------------------------------------------------------

# The launcher is run from a copy of the installed tree whose program only prints the folder
# it was started in, so that these cases need no display.
shipped=$(cd "$data" && pwd -P)
mock="$work/mock"
mkdir -p "$mock/games" "$mock/libexec/velmora" "$mock/share"
cp "$launcher" "$mock/games/velmora"
ln -s "$shipped" "$mock/share/velmora"
printf '#!/bin/sh\npwd\n' >"$mock/libexec/velmora/velmora"
chmod +x "$mock/libexec/velmora/velmora"

homes="$work/homes"
mkdir "$homes"
start_in() { # FOLDER MESSAGE VARIABLE=VALUE...: the game starts in FOLDER, saying MESSAGE
  local folder=$1 message=$2 started said
  shift 2
  started=$(cd "$homes" && env -u HOME -u XDG_DATA_HOME "$@" "$mock/games/velmora" 2>"$work/said") \
    || fail "the launcher failed ($*): $(cat "$work/said")"
  said=$(cat "$work/said")
  [ "$started" = "$folder" ] || fail "with $*, the game started in $started, not $folder"
  # MESSAGE is a pattern: the reasons come from the system's tools, in the system's words.
  # shellcheck disable=SC2053
  [[ $said != *$'\n'* && $said == $message ]] || fail "with $*, the launcher said: $said"
}
is_link_to() { [ -L "$1" ] && [ "$(readlink "$1")" = "$2" ] || fail "$1 is not a link to $2"; }
is_shipped() { # FOLDER: the shipped word lists and pictures are linked there
  local list
  for list in "$shipped"/Dictionary/*.txt; do
    is_link_to "$1/Dictionary/${list##*/}" "$list"
  done
  is_link_to "$1/Images" "$shipped/Images"
}
fallback="; starting with the shipped data in $shipped"

h="$homes/first"
mkdir "$h"
for _ in first again; do
  start_in "$h/.local/share/velmora" '' HOME="$h"
done
is_shipped "$h/.local/share/velmora"
[ "$(stat -c %a "$h/.local/share")" = 700 ] || fail "the data home made is not the player's only"
start_in "$homes/xdg/velmora" '' HOME="$h" XDG_DATA_HOME="$homes/xdg"
is_shipped "$homes/xdg/velmora"
start_in "$h/.local/share/velmora" '' HOME="$h" XDG_DATA_HOME=relative
start_in "$h/.local/share/velmora" '' HOME="$h" XDG_DATA_HOME=
[ ! -e "$homes/relative" ] || fail "a relative XDG_DATA_HOME was used"

# The player's own files stay; links that lead nowhere are made again.
h="$homes/own/velmora"
mkdir -p "$h/Dictionary" "$h/Images"
echo mine >"$h/Dictionary/Dictionary.txt"
echo mine >"$h/Images/0.bmp"
start_in "$h" '' XDG_DATA_HOME="$homes/own"
[ ! -L "$h/Dictionary/Dictionary.txt" ] && [ "$(cat "$h/Dictionary/Dictionary.txt")" = mine ] \
  && [ ! -L "$h/Images" ] && [ "$(cat "$h/Images/0.bmp")" = mine ] || fail "the player's own files were replaced"
h="$homes/dangling/velmora"
mkdir -p "$h/Dictionary"
ln -s "$homes/gone/Dictionary.txt" "$h/Dictionary/Dictionary.txt"
ln -s "$homes/gone/Images" "$h/Images"
ln -s "$shipped/Dictionary/no-longer-shipped.txt" "$h/Dictionary/no-longer-shipped.txt"
start_in "$h" '' XDG_DATA_HOME="$homes/dangling"
is_shipped "$h"
[ ! -L "$h/Dictionary/no-longer-shipped.txt" ] || fail "a link to a list no longer shipped stayed"

# When the folder cannot be made ready, the game starts in the shipped folder and says why.
h="$homes/in-the-way"
mkdir -p "$h"
echo keep >"$h/velmora"
start_in "$shipped" "velmora: *$h/velmora*$fallback" XDG_DATA_HOME="$h"
[ "$(cat "$h/velmora")" = keep ] || fail "a file in the way was changed"
h="$homes/own-images/velmora"
mkdir -p "$h/Dictionary"
echo keep >"$h/Images"
start_in "$shipped" "velmora: $h/Images is not a folder$fallback" XDG_DATA_HOME="$homes/own-images"
[ "$(cat "$h/Images")" = keep ] || fail "a file in the way was changed"
echo file >"$homes/a-file"
start_in "$shipped" "velmora: *$homes/a-file*$fallback" HOME="$homes/a-file/home"
start_in "$shipped" "velmora: no home folder (HOME is not an absolute path)$fallback"

# --- Start the installed game -------------------------------------------------------------

home="$work/player"
mkdir "$home"
player=(env -u XDG_DATA_HOME HOME="$home")
count=$(grep -c . "$data/Dictionary/Dictionary.txt")
run_dir="$work/elsewhere"
mkdir "$run_dir"
note "starting $(entry Exec) from $run_dir for a new player (expecting ' $count words loaded.')"
"${player[@]}" timeout 60 bash "$X_SERVER" -screen 0 1024x768x24 -- \
  bash "$DRIVER" "$launcher" "$run_dir" "$work/game.log" " $count words loaded." \
  || fail "the installed game did not start as expected"
folder="$home/.local/share/velmora"
[ -L "$folder/Dictionary/Dictionary.txt" ] && [ -L "$folder/Images" ] \
  || fail "the first start did not make the player's folder $folder"

printf 'Frost\n' >"$folder/Dictionary/my words.txt"
note "loading 'my words.txt' from $folder/Dictionary and playing it"
"${player[@]}" timeout 120 bash "$X_SERVER" -screen 0 1024x768x24 -- \
  bash "$HERE/play-own-list.sh" "$launcher" "$root$(entry Path)" "$work/own.log" 'my words.txt' \
  ' 1 words loaded.' 'f r o s t' \
  || fail "the player's own list was not loaded and played"

note "package $(basename "$deb") is good"
