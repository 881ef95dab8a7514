#!/usr/bin/env bash
# Runs one libFuzzer target for a given time: scripts/fuzz.sh TARGET SECONDS
# (TARGET is a name like line_reader; see fuzz/CMakeLists.txt). Builds it in
# build-fuzz with clang, grows the corpus in fuzz/corpus/TARGET (merged back
# small at the end; FUZZ_MERGE=0 leaves the folder in git alone, as CI
# should), writes crash inputs to build-fuzz/crashes/TARGET and prints the
# executions and the coverage reached. Extra arguments go to libFuzzer (for
# example -jobs=2 -workers=2). A crash input, once fixed, belongs in
# fuzz/regressions/TARGET/.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 2 ]; then
  echo "usage: scripts/fuzz.sh TARGET SECONDS [libFuzzer options]" >&2
  exit 2
fi
target="$1"
seconds="$2"
shift 2
build_dir="${BUILD_DIR:-build-fuzz}"
fuzzer="$build_dir/fuzz/${target}_fuzz"

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DDOCBASE_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j"${JOBS:-2}" --target "${target}_fuzz"

corpus="fuzz/corpus/$target"
work_corpus="$build_dir/corpus/$target"
crashes="$build_dir/crashes/$target"
mkdir -p "$corpus" "$work_corpus" "$crashes"
log="$build_dir/fuzz-$target.log"

# The checks write their files under TMPDIR; a memory file system keeps
# the whole-run target from waiting on the disk.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

set +e
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
ASAN_OPTIONS="detect_leaks=1" \
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$crashes/" -timeout=30 -rss_limit_mb=2048 "$@" \
    "$work_corpus" "$corpus" >"$log" 2>&1
status=$?
set -e

# The run grows a working corpus in the build folder, seeded from the one in
# git; a final merge puts back into git only inputs that reach new edges
# (hit counts left aside), which keeps that folder small.
if [ "${FUZZ_MERGE:-1}" != 0 ]; then
  merged="$build_dir/corpus-merge/$target"
  rm -rf "$merged"
  mkdir -p "$merged"
  merge_status=0
  "$fuzzer" -merge=1 -use_counters=0 "$merged" "$corpus" "$work_corpus" \
      >"$build_dir/merge-$target.log" 2>&1 || merge_status=$?
  # An interrupted merge keeps the corpus as it was.
  if [ "$merge_status" -eq 0 ] && [ -n "$(ls -A "$merged")" ]; then
    rm -f "$corpus"/*
    cp "$merged"/* "$corpus"/
  fi
fi

echo "---- $target: $(ls "$corpus" | wc -l) corpus files kept in $corpus"
grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|^stat::new_units_added' "$log" || true
grep -E '^#[0-9]+' "$log" | tail -1 | sed 's/^/last status: /' || true
grep -E '^Done [0-9]+ runs' "$log" || true
if [ "$status" -ne 0 ]; then
  echo "---- $target stopped with status $status; crash inputs in $crashes:" >&2
  ls -l "$crashes" >&2
  grep -E -A30 '^==[0-9]+==|fuzz check failed|runtime error' "$log" | head -60 >&2
fi
exit "$status"
