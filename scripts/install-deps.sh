#!/usr/bin/env bash
# Installs every Debian package needed to build, test, benchmark and run Velmora.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation2 fontconfig
  xvfb xauth xdotool imagemagick
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox dbus at-spi2-core libglib2.0-bin
  dpkg-dev file desktop-file-utils appstream lintian
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  # Waits for another package manager run to finish rather than failing.
  apt=(apt-get -o DPkg::Lock::Timeout=600)
  "${sudo_cmd[@]}" "${apt[@]}" update -qq
  "${sudo_cmd[@]}" "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi
