#!/usr/bin/env bash
# Whole-run benchmark: builds docbase (Release), generates deterministic
# corpora of the given sizes in MB (default 10) and measures a run of
# docbase on each with bench/measure_run.py: wall time, time of each phase,
# peak memory, files at once and bytes written.
#   bench/bench.sh [SIZE_MB ...]      e.g. bench/bench.sh 1 10 100
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
source "$repo/bench/bench_setup.sh"
# The same Release build as the other benchmarks, in build-bench/build.
bench="$repo/build-bench"
mkdir -p "$bench"
build_release_docbase "$repo" "$bench"
build_dir="$bench/build"
work_root="${BENCH_DIR:-/tmp/docbase-bench}"
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
