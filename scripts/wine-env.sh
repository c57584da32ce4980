# Sourced by the run, test and benchmark scripts: one Wine prefix, one X display and one
# persistent wineserver for the whole run.
#
#   NELVAR_BUILD_DIR   build folder (default: build/ in the source tree)
#   WINEPREFIX         Wine prefix (default: <build>/wine-prefix)
#   NELVAR_HEADLESS=1  use a virtual display even when DISPLAY is set

NELVAR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
NELVAR_BUILD_DIR="${NELVAR_BUILD_DIR:-$NELVAR_ROOT/build}"
export WINEPREFIX="${WINEPREFIX:-$NELVAR_BUILD_DIR/wine-prefix}"
# Wine links the prefix's desktop and documents folders to the home folder: a scratch home keeps
# the shortcuts and files of test installations out of the user's own.
export HOME="$NELVAR_BUILD_DIR/wine-home"
mkdir -p "$HOME"
export WINEDEBUG="${WINEDEBUG:--all}"
# The 64-bit loader runs 64-bit programs itself and hands 32-bit ones to the 32-bit loader;
# Debian's "wine" script would always start the 32-bit loader first.
if [ -x /usr/lib/wine/wine64 ]; then
  NELVAR_WINE=/usr/lib/wine/wine64
  export WINELOADER=/usr/lib/wine/wine64
else
  NELVAR_WINE=wine
fi
# No desktop menu entries, no Mono or Gecko download prompts.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="

# The Windows path of a Linux path (Wine's drive Z: is the Linux root).
nelvar_windows_path() {
  local path; path="$(realpath -m "$1")"
  printf 'Z:%s' "${path//\//\\}"
}

# Builds a minimal 32-bit Linux program that exits with code 0, for asking whether this
# kernel runs 32-bit code at all.
nelvar_i386_probe() {
  local probe="$1"
  python3 - "$probe" <<'PY'
import struct, sys
code = bytes([0x31, 0xdb, 0xb8, 0x01, 0x00, 0x00, 0x00, 0xcd, 0x80])  # exit(0)
base, ehsize, phsize = 0x08048000, 52, 32
entry = base + ehsize + phsize
header = b"\x7fELF\x01\x01\x01" + bytes(9) + struct.pack(
    "<HHIIIIIHHHHHH", 2, 3, 1, entry, ehsize, 0, 0, ehsize, phsize, 1, 0, 0, 0)
size = ehsize + phsize + len(code)
program = struct.pack("<IIIIIIII", 1, 0, base, base, size, size, 5, 0x1000)
open(sys.argv[1], "wb").write(header + program + code)
PY
  chmod +x "$probe"
}

# 32-bit Windows programs need 32-bit Linux processes. Where the kernel cannot run them (no
# IA-32 emulation), they run under qemu-i386 through binfmt_misc; that works but is slow.
nelvar_enable_i386() {
  local binfmt=/proc/sys/fs/binfmt_misc
  # An emulator registered earlier would also run the probe below: look for it first.
  [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null || true
  if [ -e "$binfmt/qemu-i386" ] && grep -qx enabled "$binfmt/qemu-i386"; then
    NELVAR_I386=emulated; return 0
  fi
  local probe; probe="$(mktemp)"
  nelvar_i386_probe "$probe"
  if "$probe" 2>/dev/null; then
    rm -f "$probe"; NELVAR_I386=native; return 0
  fi
  rm -f "$probe"
  if [ -e "$binfmt/qemu-i386" ]; then
    echo 1 > "$binfmt/qemu-i386"
  else
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      > "$binfmt/register"
  fi
  NELVAR_I386=emulated
  echo "This kernel does not run 32-bit code; 32-bit programs run under qemu-i386." >&2
}
# qemu-i386 reserves the whole 4 GiB guest space by default, and Wine's reservation of the
# upper half then costs about a minute of CPU at every process start. A guest space that ends
# just above 2 GiB (the limit of a program that is not large-address aware) leaves room for
# Wine's shared pages at 0x7ffe0000 and starts a process in a few seconds.
export QEMU_RESERVED_VA="${QEMU_RESERVED_VA:-0x81000000}"

# A virtual X display unless there is a real one.
nelvar_start_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${NELVAR_HEADLESS:-0}" != 1 ]; then return 0; fi
  local n=90
  while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  NELVAR_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

# Creates the prefix once: Windows 10, Wine's own window frames (there is no window manager
# on the virtual display), and the Chinese font standing in for the fonts the windows name.
nelvar_prepare_prefix() {
  local ready="$WINEPREFIX/.nelvar-ready-2"
  if [ -f "$WINEPREFIX/system.reg" ] && [ -f "$ready" ]; then return 0; fi
  # The build's own prefix from an older version of this script is made again.
  if [ "$WINEPREFIX" = "$NELVAR_BUILD_DIR/wine-prefix" ] && [ -f "$WINEPREFIX/system.reg" ]; then
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$WINEPREFIX"
  echo "Creating the Wine prefix $WINEPREFIX ..." >&2
  "$NELVAR_WINE" wineboot --init >/dev/null 2>&1 || true
  wineserver -w
  local reg="$WINEPREFIX/nelvar-settings.reg"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine]\r\n"Version"="win10"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n"Decorated"="Y"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    local font
    for font in SimSun NSimSun "Microsoft YaHei" SimHei Tahoma "MS Shell Dlg" \
                "宋体" "黑体" "隶书" "华文隶书" "华文新魏" "微软雅黑"; do
      printf '"%s"="WenQuanYi Zen Hei"\r\n' "$font"
    done
    printf '\r\n'
  } | iconv -f UTF-8 -t UTF-16LE > "$reg.body"
  { printf '\xff\xfe'; cat "$reg.body"; } > "$reg"
  rm -f "$reg.body"
  "$NELVAR_WINE" regedit /S "$reg" >/dev/null 2>&1
  wineserver -w
  touch "$ready"
}

nelvar_start_wineserver() {
  # A wineserver already running for this prefix serves as well (-p then fails).
  wineserver -p 2>/dev/null || true
  # Wine's services start with the first program and live as long as the wineserver. Started
  # here, with their output going nowhere, they do not hold a test's output open (ctest would
  # wait for it to close until the test's time-out).
  "$NELVAR_WINE" cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}

nelvar_stop_all() {
  wineserver -k 2>/dev/null || true
  if [ -n "${NELVAR_XVFB_PID:-}" ]; then kill "$NELVAR_XVFB_PID" 2>/dev/null || true; fi
}
