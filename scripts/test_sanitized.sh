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
# (500 files, a skewed vocabulary of 20,000 words with capitals and a few
# non-ASCII words), with the answers the end-to-end tests pipe: it must end
# with status 0 and "Indexing is done.", and its time is printed. The corpus
# comes from a fixed-seed generator written in awk (nothing beyond the base
# system is needed), so every machine indexes the same bytes.
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
LC_ALL=C awk -v files=500 -v bytes=20000 -v dir="$corpus_dir/run/txt_in" '
  function next_unit() {  # Park-Miller: exact in doubles, alike in any awk
    seed = (seed * 16807) % 2147483647
    return seed / 2147483647
  }
  BEGIN {
    seed = 20261209
    letters = "abcdefghijklmnopqrstuvwxyz"
    split("café élève straße гавань ринок λιμάνι naïve", extra, " ")
    for (i = 1; i <= 20000; i++) {
      n = 1 + int(next_unit() * 10)
      w = ""
      for (j = 0; j < n; j++) w = w substr(letters, 1 + int(next_unit() * 26), 1)
      words[i] = w
    }
    for (i = 1; i <= 7; i++) words[i * 7 + 3] = extra[i]
    for (f = 1; f <= files; f++) {
      name = sprintf("%s/text_%04d.txt", dir, f)
      size = 0
      while (size < bytes) {
        count = int(next_unit() * 36)  # 0 to 35 words, some lines empty
        line = ""
        for (k = 0; k < count; k++) {
          w = words[1 + int(20000 * next_unit() ^ 3)]  # frequent words first
          u = next_unit()
          if (u < 0.05) w = toupper(substr(w, 1, 1)) substr(w, 2)
          else if (u < 0.06) w = toupper(w)
          line = line (k ? " " : "") w
        }
        print line > name
        size += length(line) + 1
      }
      close(name)
    }
  }'
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

if compgen -G "$log_dir/*" >/dev/null; then
  echo "==== sanitizer reports ====" >&2
  for report in "$log_dir"/*; do
    echo "---- $report" >&2
    cat "$report" >&2
  done
  exit 1
fi
exit "$status"
