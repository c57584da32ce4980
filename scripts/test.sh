#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine on a virtual display.
#
# The product is 32-bit. Where this kernel runs 32-bit code, the tests run against the 32-bit
# build itself. Where it cannot (no IA-32 emulation; 32-bit processes then run under qemu and
# each takes long to start), the tests run against a 64-bit build of the same sources, and the
# 32-bit executable gets the product checks and an end-to-end smoke run of its own.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"

export NELVAR_HEADLESS=1
source "$root/scripts/wine-env.sh"
source "$root/scripts/build.sh"
mkdir -p "$NELVAR_BUILD_DIR"

nelvar_enable_i386
nelvar_build "$NELVAR_BUILD_DIR/i686" i686 -DNELVAR_BUILD_TESTS="$([ "$NELVAR_I386" = native ] && echo ON || echo OFF)"
if [ "$NELVAR_I386" = native ]; then
  test_build="$NELVAR_BUILD_DIR/i686"
else
  test_build="$NELVAR_BUILD_DIR/x86_64"
  nelvar_build "$test_build" x86_64 -DNELVAR_PRODUCT_BUILD_DIR="$NELVAR_BUILD_DIR/i686"
fi

trap nelvar_stop_all EXIT
nelvar_start_display
nelvar_prepare_prefix
nelvar_start_wineserver

cd "$test_build"
ctest --output-on-failure --timeout 1200 "$@"
