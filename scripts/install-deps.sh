#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kiravelo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package the project needs to build, test and run;
# with --dev, also the tools a developer uses on the sources (clang-format).
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  build-essential
  cmake
  qt6-base-dev
  qt6-base-dev-tools
  libqt6sql6-sqlite
  libgl-dev
  fonts-ipafont-gothic
  fonts-ipafont-mincho
  fontconfig
  poppler-utils
  appstream
  desktop-file-utils
  strace
  xdg-utils
  dpkg-dev
  file
  lintian
  reuse
  clang
  libclang-rt-14-dev
)

if [ "${1:-}" = "--dev" ]; then
  packages+=(clang-format)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
