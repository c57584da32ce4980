#!/usr/bin/env bash
# Installs what building and testing the setup program needs on Debian 12.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  cmake make ninja-build git file
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  qemu-user-static binfmt-support
  googletest
  wine wine32:i386 wine64
  xvfb x11-utils x11-apps xauth imagemagick
  fonts-wine fonts-wqy-zenhei fonts-wqy-microhei fonts-dejavu-core
  icoutils liblnk-utils libimage-exiftool-perl
  python3 locales
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
