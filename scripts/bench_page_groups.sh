#!/usr/bin/env bash
# Times the page groups and word splits on large generated word tables and
# shows the peak memory. Usage: scripts/bench_page_groups.sh [folder]
# The tables are generated once into folder/tables; each timed run works in
# a new folder beside it (linked tables), as a real run starts without the
# files of an earlier one.
# Environment: DOCBASE_BENCH_RECORDS (1500000), DOCBASE_BENCH_PAGES (1000),
# DOCBASE_BENCH_GROUP_SIZE (pages - 1, as a real run has it).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${BUILD_DIR:-build}"
folder="${1:-$(mktemp -d)}"
tests="$build_dir/docbase_tests"
filter=--gtest_filter=PageGroupsBenchmark.DISABLED_LargeTables
mkdir -p "$folder/tables"
if [ ! -f "$folder/tables/wrd_08.txt" ]; then
  DOCBASE_BENCH_DIR="$folder/tables" \
    "$tests" --gtest_also_run_disabled_tests "$filter" >/dev/null
fi
run="$folder/run_$(date +%s%N)"
mkdir "$run"
ln "$folder/tables"/wrd_0[378].txt "$run"/
sync
DOCBASE_BENCH_DIR="$run" /usr/bin/time -v \
  "$tests" --gtest_also_run_disabled_tests "$filter" 2>&1 |
  grep -E "groups:|Elapsed|Maximum resident"
echo "files in $run: $(find "$run" -maxdepth 1 -type f | wc -l)"
