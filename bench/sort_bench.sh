#!/usr/bin/env bash
# Times the program's file sort against `LC_ALL=C sort -s` on the same
# deterministic file of word-table records (1,000,000 lines by default, or
# the count given as $1), prints both times, their ratio and the peak memory
# of each, and checks that the two results are byte-identical once the
# sort(1) output is given CR LF line ends.
#
# Builds a Release library in build-release/ when needed; the bench driver
# (bench/file_sort_bench.cpp) is compiled against it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
lines="${1:-1000000}"
build_dir="$root/build-release"
bench_bin="$build_dir/file_sort_bench"

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" --target docbase_test_support -j2 >/dev/null
if [[ ! -x "$bench_bin" || "$bench_bin" -ot "$build_dir/libdocbase_lib.a" ||
      "$bench_bin" -ot "$build_dir/libdocbase_test_support.a" ||
      "$bench_bin" -ot bench/file_sort_bench.cpp ]]; then
  g++ -std=c++20 -O2 -DNDEBUG -Wall -Wextra -Isrc -I"$build_dir/generated" \
      bench/file_sort_bench.cpp "$build_dir/libdocbase_test_support.a" \
      "$build_dir/libdocbase_lib.a" -o "$bench_bin"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/sort_bench_XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
"$bench_bin" generate "$lines" input.txt
echo "input: $lines lines, $(stat -c %s input.txt) bytes"

# Prints "wall_seconds cpu_seconds peak_kb" of the command, from
# /usr/bin/time -v. CPU time (user + system) is the steadier figure on a
# busy machine.
measure() {
  /usr/bin/time -v -o time.log "$@" >run.log
  awk -F': ' '
    /Elapsed \(wall clock\)/ {
      n = split($2, part, ":"); wall = 0
      for (i = 1; i <= n; i++) wall = wall * 60 + part[i] }
    /User time/ { cpu += $2 }
    /System time/ { cpu += $2 }
    /Maximum resident set size/ { peak = $2 }
    END { printf "%.2f %.2f %d\n", wall, cpu, peak }' time.log
}

cat input.txt >/dev/null  # same page-cache start for both
read -r ours_s ours_cpu ours_kb < <(measure "$bench_bin" sort input.txt sorted.txt)
cat run.log
read -r gnu_s gnu_cpu gnu_kb < <(measure env LC_ALL=C sort -s input.txt -o gnu.txt)

sed 's/$/\r/' gnu.txt >gnu_crlf.txt
if cmp -s sorted.txt gnu_crlf.txt; then same="byte-identical"; else same="DIFFERENT"; fi

printf '%-18s %8s %8s %10s\n' "" "wall s" "cpu s" "peak KB"
printf '%-18s %8.2f %8.2f %10d\n' "file sort" "$ours_s" "$ours_cpu" "$ours_kb"
printf '%-18s %8.2f %8.2f %10d\n' "LC_ALL=C sort -s" "$gnu_s" "$gnu_cpu" "$gnu_kb"
awk -v a="$ours_s" -v b="$gnu_s" -v c="$ours_cpu" -v d="$gnu_cpu" 'BEGIN {
  if (b > 0) printf "ratio file sort / sort -s: wall %.2f", a / b
  if (d > 0) printf ", cpu %.2f", c / d
  printf "\n" }'
echo "outputs: $same"
[[ "$same" == "byte-identical" ]]
