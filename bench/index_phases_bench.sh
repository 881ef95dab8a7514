#!/usr/bin/env bash
# Times the indexing phases alone (word extraction .. the sort of
# wrd_15.txt, then the final clean-up) on a deterministic corpus, and
# records the checksums of every work file they leave, so that two builds
# can be compared byte for byte.
#
#   bench/index_phases_bench.sh [SIZE_MB] [REFERENCE_SUMS]
#
# Builds a Release library in build-release/ when needed. Works under
# $BENCH_DIR (default /dev/shm/docbase-phases, a memory file system, so
# that disk noise stays out of the figures). The checksums go to
# $BENCH_DIR/work_files.sha256; given REFERENCE_SUMS (such a file from
# another build), the two are compared and the script fails on a
# difference. The run files of the file sort are left out: only their
# merged result is an interface.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
size="${1:-10}"
reference="${2:-}"
work_root="${BENCH_DIR:-/dev/shm/docbase-phases}"
build_dir="$root/build-release"
bench_bin="$build_dir/index_phases_bench"

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" --target docbase_test_support -j2 >/dev/null
if [[ ! -x "$bench_bin" || "$bench_bin" -ot "$build_dir/libdocbase_lib.a" ||
      "$bench_bin" -ot "$build_dir/libdocbase_test_support.a" ||
      "$bench_bin" -ot bench/index_phases_bench.cpp ]]; then
  g++ -std=c++20 -O2 -DNDEBUG -Wall -Wextra -Isrc -I"$build_dir/generated" \
      bench/index_phases_bench.cpp "$build_dir/libdocbase_test_support.a" \
      "$build_dir/libdocbase_lib.a" -o "$bench_bin"
fi

corpus="$work_root/corpus_${size}mb"
prepared="$work_root/prepared_${size}mb"
work="$work_root/run_${size}mb"
if [[ ! -d "$corpus" ]]; then
  python3 bench/make_corpus.py "$corpus" "$size" 1000
fi
if [[ ! -d "$prepared" ]]; then
  mkdir -p "$prepared"
  cp -r "$corpus" "$prepared/txt_in"
  "$bench_bin" prepare "$prepared" >"$prepared.log"
fi
files=$(awk '/^input_file_count/ { print $2 }' "$prepared.log")

rm -rf "$work"
cp -a "$prepared" "$work"
"$bench_bin" index "$work" "$files" | tee "$work_root/index.log"
groups=$(awk '/^group_count/ { print $2 }' "$work_root/index.log")

sums="$work_root/work_files.sha256"
(cd "$work" && find . -path ./txt_in -prune -o -type f \
   ! -name 'file_s_*.txt' ! -name sort_output.txt -print0 |
   sort -z | xargs -0 sha256sum) >"$sums"
echo "work files: $(wc -l <"$sums") (checksums in $sums)"

"$bench_bin" collect "$work" "$groups"
left=$(cd "$work" && find . -path ./txt_in -prune -o -path ./htm_out -prune \
         -o -print | wc -l)
echo "entries left beside txt_in and htm_out: $((left - 1))"

if [[ -n "$reference" ]]; then
  if cmp -s "$reference" "$sums"; then
    echo "work files: same as $reference"
  else
    echo "work files: DIFFERENT from $reference"
    diff "$reference" "$sums" | head -20
    exit 1
  fi
fi
