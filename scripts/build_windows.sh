#!/usr/bin/env bash
# Builds the Windows program and its unit tests with Debian's MinGW-w64
# cross compiler: BUILD_DIR/docbase.exe (Release, statically linked, so the
# one file runs on a bare Windows) and BUILD_DIR/docbase_tests.exe, and the
# zip (cpack -G ZIP): BUILD_DIR/docbase-VERSION-win64.zip with docbase.exe,
# the README and the manual as text. Installs the cross compiler, Wine (to
# run them here), groff and GoogleTest's sources from Debian when they are
# missing.
#
#   scripts/build_windows.sh BUILD_DIR
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:?usage: scripts/build_windows.sh BUILD_DIR}"

need=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null ||
  need+=(g++-mingw-w64-x86-64-posix)
command -v wine >/dev/null || need+=(wine wine64)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
command -v cmake >/dev/null || need+=(cmake)
command -v groff >/dev/null || need+=(groff-base)
if [ ${#need[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}" >/dev/null
fi

cmake -S "$repo" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
(cd "$build_dir" && cpack -G ZIP >/dev/null)
