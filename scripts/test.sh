#!/usr/bin/env bash
# Installs what is missing, builds the 32-bit program with its tests, and runs every test under
# Wine on a virtual display. Arguments are passed on to ctest (e.g. -R install).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"

export NELVAR_HEADLESS=1
source "$root/scripts/wine-env.sh"
source "$root/scripts/build.sh"
mkdir -p "$NELVAR_BUILD_DIR"

nelvar_enable_i386
nelvar_build "$NELVAR_BUILD_DIR/i686" i686

trap nelvar_stop_all EXIT
nelvar_start_display
nelvar_prepare_prefix
nelvar_start_wineserver

if [ "$NELVAR_I386" = native ]; then
  cd "$NELVAR_BUILD_DIR/i686"
  ctest --output-on-failure --timeout 1200 "$@"
  exit
fi
# Under CPU emulation some tests are not dependable on the 32-bit build (label "unemulated"):
# input driven from another process is lost against the slow program, the shell steps fault
# inside Wine's system calls, and a thread that ends itself may hang. They run on a 64-bit build
# of the same sources; every other test runs on the 32-bit build.
nelvar_build "$NELVAR_BUILD_DIR/x86_64" x86_64
(cd "$NELVAR_BUILD_DIR/i686" && ctest --output-on-failure --timeout 1200 -LE unemulated "$@")
cd "$NELVAR_BUILD_DIR/x86_64"
ctest --output-on-failure --timeout 1200 -L unemulated "$@"
