#!/usr/bin/env bash
# Builds docbase with AddressSanitizer and UBSan in build-asan and runs the
# whole test suite under them. Any sanitizer report fails the script: the
# unit tests, and every docbase process the end-to-end tests start, stop at
# the first report with exit status 86 (not 1, which a run uses for its own
# I/O errors), and every report is also written to build-asan/sanitizer-logs,
# which must stay empty (this catches reports of child processes whose exit
# status a test does not look at).
#
# Then one whole run of the sanitized program on a generated 10 MB corpus
# (500 files from bench/make_corpus.py: a skewed vocabulary with capitals
# and a few non-ASCII words, from a fixed seed, so every machine indexes the
# same bytes), with the answers the end-to-end tests pipe: it must end with
# status 0 and "Indexing is done.", and its time is printed.
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

# The 10 MB run.
corpus_dir="$(mktemp -d)"
trap 'rm -rf "$corpus_dir"' EXIT
# The program directory is a folder of its own: a run removes the *.txt
# files of its directory, and the console log lies beside it.
mkdir -p "$corpus_dir/run/txt_in"
python3 bench/make_corpus.py "$corpus_dir/run/txt_in" 10 500 >/dev/null
binary="$(pwd)/$build_dir/docbase"
start_seconds=$SECONDS
run_status=0
(cd "$corpus_dir/run" && printf '1\n1\n1\n1\nwww.example.org\n' | "$binary" \
   >"$corpus_dir/console.log" 2>&1) || run_status=$?
echo "10 MB sanitized run: status $run_status," \
     "$((SECONDS - start_seconds)) s"
if [ "$run_status" -ne 0 ] || ! grep -q "Indexing is done." \
     "$corpus_dir/console.log"; then
  echo "==== the 10 MB sanitized run failed ====" >&2
  tail -n 20 "$corpus_dir/console.log" >&2
  status=1
fi

# A run that a test kills at a chosen moment can be killed while the leak
# check at its exit has the process stopped; the check's tracer then only
# says it could not read a thread's registers. That line reports no fault of
# the program, so a log that holds nothing else is set aside.
for report in "$log_dir"/*; do
  [ -e "$report" ] || continue
  if ! grep -qv 'Unable to get registers from thread' "$report"; then
    echo "set aside (a killed run's leak check): $(cat "$report")"
    rm -f "$report"
  fi
done

if compgen -G "$log_dir/*" >/dev/null; then
  echo "==== sanitizer reports ====" >&2
  for report in "$log_dir"/*; do
    echo "---- $report" >&2
    cat "$report" >&2
  done
  exit 1
fi
exit "$status"
