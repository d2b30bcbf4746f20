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
readonly DRIVER="$(cd "$(dirname "$0")/../support" && pwd)/drive-startup.sh"

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
  bash "$DRIVER" "$usr/bin/velmora" "$run_dir" "$work/game.log" " $count words loaded." \
  || fail "the installed game did not start as expected (X server log: $(cat "$work/xvfb.log" 2>/dev/null))"

note "package $(basename "$deb") is good"
