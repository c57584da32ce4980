#!/usr/bin/env bash
# The benchmark: nelvar-setup.exe against an NSIS 3 installer doing the same job and against
# the bare Win32 floor, all under Wine on a virtual display, measured in one run.
#
#   bash bench/run.sh [repetitions]   (default 15) prints the table and writes bench/results.md
#   bash bench/run.sh --smoke         one repetition; fails if any figure cannot be measured,
#                                     and leaves bench/results.md alone
#
# NELVAR_BUILD_DIR and WINEPREFIX are honoured as in the other scripts; the benchmark's own
# builds go to <build>/bench/.
set -euo pipefail
bench_dir="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$bench_dir/.." && pwd)"

repetitions=15
smoke=0
case "${1:-}" in
  --smoke) smoke=1; repetitions=1 ;;
  "") ;;
  *[!0-9]*|0) echo "usage: bash bench/run.sh [repetitions] | --smoke" >&2; exit 2 ;;
  *) repetitions="$1" ;;
esac

bash "$root/scripts/install-deps.sh"
if ! command -v makensis >/dev/null; then
  sudo_cmd=(); [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends nsis
fi

export NELVAR_HEADLESS=1
source "$root/scripts/wine-env.sh"
source "$root/scripts/build.sh"
out="$NELVAR_BUILD_DIR/bench"
mkdir -p "$out/programs"
nelvar_enable_i386

# --- Builds -------------------------------------------------------------------------------
# The program with its sample payload, and with generated payloads of about 4.5, 64 and 256 MB.
declare -A payload_bytes=([4m5]=4718592 [64m]=67108864 [256m]=268435456)
sizes=(4m5 64m 256m)
nelvar_build "$out/product-sample" i686 -DNELVAR_BUILD_TESTS=OFF
for size in "${sizes[@]}"; do
  python3 "$bench_dir/make_payload.py" "$out/product-sample/payload-files" "$out/payload-$size" "${payload_bytes[$size]}"
  nelvar_build "$out/product-$size" i686 -DNELVAR_BUILD_TESTS=OFF "-DNELVAR_PAYLOAD_DIR=$out/payload-$size"
done
# A diagnostic build: the 64 MB program with its sections at page-aligned file offsets, which
# lets Wine map the image from the file instead of reading it into private memory.
nelvar_build "$out/product-64m-aligned" i686 -DNELVAR_BUILD_TESTS=OFF "-DNELVAR_PAYLOAD_DIR=$out/payload-64m" \
  "-DCMAKE_EXE_LINKER_FLAGS=-Wl,--file-alignment=0x1000"

cxx=(i686-w64-mingw32-g++-posix -std=c++17 -O2 -Wall -Wextra -Werror -static -s)
"${cxx[@]}" -mwindows "$bench_dir/floor.cpp" -o "$out/programs/bench-floor.exe"
"${cxx[@]}" "$bench_dir/first_window.cpp" -o "$out/first-window.exe"
for variant in sample "${sizes[@]}"; do
  "${cxx[@]}" -I"$root/src" "$bench_dir/install_work.cpp" "$out/product-$variant/libnelvar_core.a" \
    -lole32 -lshell32 -luuid -lcomctl32 -lgdi32 -luser32 -o "$out/install-work-$variant.exe"
done
cp "$out/product-sample/nelvar-setup.exe" "$out/programs/nelvar-setup.exe"
cp "$out/product-4m5/nelvar-setup.exe" "$out/programs/nelvar-setup-4m5.exe"
cp "$out/product-64m/nelvar-setup.exe" "$out/programs/nelvar-setup-64m.exe"
cp "$out/product-64m-aligned/nelvar-setup.exe" "$out/programs/nelvar-setup-64m-aligned.exe"

# NSIS: compressed (its default) and uncompressed, each also without the six files (the stub).
# Its licence page takes UTF-8 with a byte-order mark.
for lang in zh en; do
  { printf '\xef\xbb\xbf'; cat "$root/resources/agreement-$lang.source.txt"; } > "$out/agreement-$lang.txt"
done
build_nsis() {
  makensis -V1 "-DPAYLOAD=$out/product-sample/payload-files" "-DLICENSE_ZH=$out/agreement-zh.txt" \
    "-DLICENSE_EN=$out/agreement-en.txt" "-DOUTFILE=$1" "${@:2}" "$bench_dir/nelvar.nsi"
}
build_nsis "$out/programs/nsis-default.exe"
build_nsis "$out/programs/nsis-nocompress.exe" -DNOCOMPRESS
build_nsis "$out/nsis-stub-default.exe" -DNOFILES
build_nsis "$out/nsis-stub-nocompress.exe" -DNOFILES -DNOCOMPRESS

# --- Measurements -------------------------------------------------------------------------
raw="$out/raw.tsv"
: > "$raw"
record() { printf '%s\t%s\t%s\n' "$1" "$2" "$3" >> "$raw"; }

# 1. Stub overhead: the executable less what it carries.
carried=$(find "$out/product-sample/payload-files" "$root/resources/agreement-zh.txt" "$root/resources/agreement-en.txt" \
  -type f -printf '%s\n' | awk '{ total += $1 } END { print total }')
record stub-bytes nelvar-setup $(( $(stat -c %s "$out/programs/nelvar-setup.exe") - carried ))
record stub-bytes nsis-default "$(stat -c %s "$out/nsis-stub-default.exe")"
record stub-bytes nsis-nocompress "$(stat -c %s "$out/nsis-stub-nocompress.exe")"
record stub-bytes floor "$(stat -c %s "$out/programs/bench-floor.exe")"
for variant in 4m5 64m 64m-aligned 256m; do
  record exe-bytes "nelvar-setup-$variant" "$(stat -c %s "$out/product-$variant/nelvar-setup.exe")"
done

trap nelvar_stop_all EXIT
nelvar_start_display
nelvar_prepare_prefix
nelvar_start_wineserver

# The Linux process (under qemu-i386 where 32-bit code is emulated) of a Windows program of
# this prefix, found by its unique file name.
linux_pid_of() {
  local name="$1" pid command_line
  for pid in $(ls /proc | grep -E '^[0-9]+$'); do
    { tr '\0' '\n' < "/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
    command_line="$( { tr '\0' ' ' < "/proc/$pid/cmdline"; } 2>/dev/null)" || continue
    # The driver names the program too.
    grep -qiF "\\$name" <<<"$command_line" || continue
    grep -qiF 'first-window.exe' <<<"$command_line" && continue
    echo "$pid"; return 0
  done
  return 1
}

# 2 and 4. Start to first visible window, and memory at that window. One driver process runs
# every round; after each window it waits for the release file of that measurement, while the
# memory of the program's Linux process is read here. The first round warms the caches and is
# not recorded (except in the smoke run).
window_programs=(bench-floor nelvar-setup nsis-default nsis-nocompress nelvar-setup-4m5 nelvar-setup-64m
                 nelvar-setup-64m-aligned)
warmup=$(( smoke ? 0 : 1 ))
handshake="$out/handshake"
rm -rf "$handshake"; mkdir -p "$handshake"
driver_arguments=()
for program in "${window_programs[@]}"; do
  [ "$program" = bench-floor ] && driver_arguments+=(--hold)
  driver_arguments+=("$(nelvar_windows_path "$out/programs/$program.exe")")
done
log="$out/first-window.log"
"$NELVAR_WINE" "$out/first-window.exe" "$(nelvar_windows_path "$handshake")" $(( repetitions + warmup )) \
  "${driver_arguments[@]}" > "$log" 2>&1 &
driver=$!
total=$(( (repetitions + warmup) * ${#window_programs[@]} ))
for n in $(seq "$total"); do
  until line=$( { tr -d '\r' < "$log"; } 2>/dev/null | grep "^window $n "); do
    if ! kill -0 "$driver" 2>/dev/null; then
      echo "first-window: measurement $n failed" >&2; cat "$log" >&2; exit 1
    fi
    sleep 0.05
  done
  read -r _ _ path milliseconds <<<"$line"
  program="$(basename "${path//\\//}" .exe)"
  if ! pid=$(linux_pid_of "$program.exe"); then
    echo "first-window: no Linux process found for $program" >&2; exit 1
  fi
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  anon=$(awk '/^RssAnon:/ {print $2}' "/proc/$pid/status")
  touch "$handshake/release-$n"
  if [ "$n" -gt $(( warmup * ${#window_programs[@]} )) ]; then
    record first-window-ms "$program" "$milliseconds"
    record rss-kib "$program" "$rss"
    record anon-kib "$program" "$anon"
  fi
  if (( n % ${#window_programs[@]} == 0 )); then
    echo "round $(( n / ${#window_programs[@]} )) of $(( repetitions + warmup )) done" >&2
  fi
done
wait "$driver" || { echo "first-window: the driver failed" >&2; cat "$log" >&2; exit 1; }

# 3, 5 and 6. Install work against raw writes, the waits' CPU time, and payload sizes.
install_work() {
  local variant="$1" waits="$2" log="$out/install-work-$1.log"
  "$NELVAR_WINE" "$out/install-work-$variant.exe" "$repetitions" "$waits" > "$log" 2>&1 ||
    { echo "install-work-$variant failed" >&2; cat "$log" >&2; return 1; }
  tr -d '\r' < "$log" | while read -r figure value; do
    record "$figure" "$variant" "$value"
  done
}
wait_repetitions=$(( repetitions < 3 ? repetitions : 3 ))
install_work sample "$wait_repetitions"
for size in "${sizes[@]}"; do install_work "$size" 0; done

# --- Report -------------------------------------------------------------------------------
wine_version="$("$NELVAR_WINE" --version 2>/dev/null || wine --version)"
nsis_version="$(makensis -VERSION)"
results="$bench_dir/results.md"
[ "$smoke" = 1 ] && results="$out/results-smoke.md"
python3 "$bench_dir/report.py" "$raw" "$results" \
  --repetitions "$repetitions" --wine "$wine_version" --nsis "$nsis_version" \
  --cores "$(nproc)" --i386 "$NELVAR_I386" --smoke "$smoke"
