#!/usr/bin/env bash
# Builds docbase with AddressSanitizer and UBSan in build-asan and runs the
# whole test suite under them. Any sanitizer report fails the script: the
# unit tests, and every docbase process the end-to-end tests start, stop at
# the first report with exit status 86 (not 1, which a run uses for its own
# I/O errors), and every report is also written to build-asan/sanitizer-logs,
# which must stay empty (this catches reports of child processes whose exit
# status a test does not look at).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${BUILD_DIR:-build-asan}"
jobs="${JOBS:-2}"
cmake -S . -B "$build_dir" -DDOCBASE_SANITIZE=ON \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j"$jobs"

log_dir="$(pwd)/$build_dir/sanitizer-logs"
rm -rf "$log_dir"
mkdir -p "$log_dir"
common="halt_on_error=1:exitcode=86:print_summary=1"
export ASAN_OPTIONS="$common:abort_on_error=0:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:log_path=$log_dir/asan"
export UBSAN_OPTIONS="$common:print_stacktrace=1:log_path=$log_dir/ubsan"
export LSAN_OPTIONS="exitcode=86"

status=0
ctest --test-dir "$build_dir" --output-on-failure -j"$jobs" || status=$?

if compgen -G "$log_dir/*" >/dev/null; then
  echo "==== sanitizer reports ====" >&2
  for report in "$log_dir"/*; do
    echo "---- $report" >&2
    cat "$report" >&2
  done
  exit 1
fi
exit "$status"
