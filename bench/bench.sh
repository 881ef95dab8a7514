#!/usr/bin/env bash
# Whole-run benchmark: builds docbase (Release), generates deterministic
# corpora of the given sizes in MB (default 10) and measures a run of
# docbase on each with bench/measure_run.py: wall time, time of each phase,
# peak memory, files at once and bytes written.
#   bench/bench.sh [SIZE_MB ...]      e.g. bench/bench.sh 1 10 100
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$repo/build-release"
work_root="${BENCH_DIR:-/tmp/docbase-bench}"
cmake -S "$repo" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target docbase >/dev/null
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(10)
for size in "${sizes[@]}"; do
  files=1000
  corpus="$work_root/corpus_${size}mb"
  if [ ! -d "$corpus" ]; then
    python3 "$repo/bench/make_corpus.py" "$corpus" "$size" "$files"
  fi
  echo "== ${size} MB =="
  python3 "$repo/bench/measure_run.py" "$build_dir/docbase" "$corpus" \
    "$work_root/run_${size}mb" --label "${size} MB"
done
