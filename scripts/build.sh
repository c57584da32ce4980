# Sourced: configures and builds one build folder.
#   nelvar_build <folder> <i686|x86_64> [extra cmake arguments...]
nelvar_build() {
  local folder="$1" arch="$2"
  shift 2
  cmake -S "$NELVAR_ROOT" -B "$folder" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$NELVAR_ROOT/cmake/$arch-w64-mingw32.cmake" "$@" >"$folder.configure.log" 2>&1 ||
    { cat "$folder.configure.log" >&2; return 1; }
  ninja -C "$folder" >"$folder.build.log" 2>&1 || { tail -50 "$folder.build.log" >&2; return 1; }
  echo "Built $folder ($arch)" >&2
}
