#!/usr/bin/env bash
# Makes sure clang can build libFuzzer targets (clang++ -fsanitize=fuzzer
# links); installs clang and its runtime libraries with apt-get when not.
set -euo pipefail

links() {
  local dir
  dir="$(mktemp -d)"
  printf '%s\n' \
    '#include <cstddef>' '#include <cstdint>' \
    'extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }' \
    >"$dir/probe.cpp"
  clang++ -fsanitize=fuzzer,address,undefined "$dir/probe.cpp" \
      -o "$dir/probe" >/dev/null 2>&1
  local status=$?
  rm -rf "$dir"
  return $status
}

if command -v clang++ >/dev/null && links; then
  echo "clang++ builds libFuzzer targets."
  exit 0
fi
cd "$(dirname "$0")"
./apt_install.sh clang
if ! links; then
  # The runtime libraries come separately on some releases.
  version="$(clang++ --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p')"
  ./apt_install.sh "libclang-rt-${version}-dev" ||
      ./apt_install.sh "libclang-common-${version}-dev"
fi
links && echo "clang++ builds libFuzzer targets."
