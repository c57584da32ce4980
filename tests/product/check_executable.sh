#!/usr/bin/env bash
# Checks the built nelvar-setup.exe with independent tools: its kind, its imports, its
# resources, and that a second clean build gives the same bytes.
#   check_executable.sh <nelvar-setup.exe> <source folder>
set -uo pipefail
exe="$1"
source_dir="$2"
passed=0
failed=0
check() {  # check <description> <command...>
  local description="$1"; shift
  if "$@"; then passed=$((passed + 1)); echo "ok - $description"
  else failed=$((failed + 1)); echo "not ok - $description"; fi
}
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

kind="$(file -b "$exe")"
check "PE32 GUI program for Intel 80386 ($kind)" grep -q '^PE32 executable (GUI) Intel 80386' <<<"$kind"

# Only DLLs that every Windows has.
imports="$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort)"
unexpected="$(grep -vxE 'kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|shell32.dll|ole32.dll|oleaut32.dll|msvcrt.dll' <<<"$imports")"
check "imports only system DLLs ($(echo $imports))" test -z "$unexpected"
check "the C and C++ runtimes are linked in" bash -c "! grep -qiE 'libstdc|libgcc|libwinpthread' <<<'$imports'"

# The icon group DEFAULT_ICON: one 32 x 32 image at 32 bits per pixel.
wrestool -x -t 14 -n DEFAULT_ICON -o "$work/icon.ico" "$exe" 2>/dev/null
icons="$(icotool -l "$work/icon.ico" 2>/dev/null)"
check "icon group DEFAULT_ICON holds one 32x32 image at 32 bits ($icons)" \
  test "$(grep -c . <<<"$icons")" = 1 -a -n "$(grep -- '--width=32 --height=32 --bit-depth=32' <<<"$icons")"

# The version resource.
versions="$(exiftool -s -s -s -FileVersionNumber -ProductVersionNumber "$exe" | tr '\n' ' ')"
check "file and product versions are 1.0.0.0 ($versions)" test "$versions" = "1.0.0.0 1.0.0.0 "

# The manifest, byte for byte as written, with what it must and must not say.
wrestool -x -t 24 -n 1 -R "$exe" > "$work/manifest" 2>/dev/null
check "manifest is the one in resources/" cmp -s "$work/manifest" "$source_dir/resources/nelvar-setup.manifest"
check "manifest asks for administrator rights" \
  grep -q '<requestedExecutionLevel level="requireAdministrator" uiAccess="false"/>' "$work/manifest"
check "manifest declares assembly version 1.0.0.0" grep -q 'version="1.0.0.0"' "$work/manifest"
check "manifest has no common controls, DPI awareness or supported-OS list" \
  bash -c "! grep -qiE 'Common-Controls|dpiAware|dpiAwareness|supportedOS|compatibility' '$work/manifest'"

# Reproducible: a clean build of the same sources in another folder gives the same bytes.
if cmake -S "$source_dir" -B "$work/again" -G Ninja -DNELVAR_BUILD_TESTS=OFF \
     -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/i686-w64-mingw32.cmake" >"$work/again.log" 2>&1 &&
   ninja -C "$work/again" nelvar-setup >>"$work/again.log" 2>&1; then
  check "a second clean build gives the same bytes" cmp "$exe" "$work/again/nelvar-setup.exe"
else
  tail -20 "$work/again.log"
  check "a second clean build succeeds" false
fi

echo "$passed passed, $failed failed"
test "$failed" = 0
