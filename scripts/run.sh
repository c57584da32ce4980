#!/usr/bin/env bash
# Installs what is missing, builds the setup program and starts it under Wine.
# On a display it opens there for you to use. Without one (or with NELVAR_HEADLESS=1) it runs on
# a virtual display, walks through every window it can reach, installs in both languages, and
# saves a picture of each window in build/screenshots/ (or NELVAR_SCREENSHOTS).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"

source "$root/scripts/wine-env.sh"
source "$root/scripts/build.sh"
mkdir -p "$NELVAR_BUILD_DIR"
nelvar_enable_i386
product="$NELVAR_BUILD_DIR/i686"
nelvar_build "$product" i686
exe="$product/nelvar-setup.exe"

if [ -n "${DISPLAY:-}" ] && [ "${NELVAR_HEADLESS:-0}" != 1 ]; then
  trap 'wineserver -k 2>/dev/null || true' EXIT
  nelvar_prepare_prefix
  set +e
  "$NELVAR_WINE" "$exe"
  echo "nelvar-setup.exe ended with exit code $?"
  exit 0
fi

trap nelvar_stop_all EXIT
nelvar_start_display
nelvar_prepare_prefix
nelvar_start_wineserver

shots="${NELVAR_SCREENSHOTS:-$NELVAR_BUILD_DIR/screenshots}"
rm -rf "$shots"
mkdir -p "$shots"
status=0
"$NELVAR_WINE" "$product/tests/ui/nelvar-tour.exe" "$(nelvar_windows_path "$exe")" "$(nelvar_windows_path "$shots")" install || status=$?
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
echo "Screenshots of every window: $shots"
ls "$shots"
exit "$status"
