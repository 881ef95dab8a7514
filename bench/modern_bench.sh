#!/usr/bin/env bash
# What the modern layout costs against the classic one, on the ordinary
# disk: builds docbase (Release) from this tree, makes the real-text
# corpora (bench/make_real_corpus.py, kept in build-bench/corpus), then for
# each size runs the classic and the modern layout one after the other,
# ROUNDS times, each measured by bench/measure_run.py after a sync (so that
# the bytes one run left in the page cache are not written during the
# next), and the sync after each run timed too: the time until the
# document base is on the disk. Then one modern run on a long text: the
# 10 MB corpus with its first 40 texts joined into one of about 4 MB, whose
# pages go on in parts. Ends with bench/modern_targets.py: the modern
# htm_out by kind of page (MB, files, largest), and the targets with
# PASS/FAIL (exit 1 when one fails).
#
#   bench/modern_bench.sh [--sizes "10 100"] [--rounds N] [--program PATH]
#                         [--settle SECONDS]
#
# --sizes    corpus sizes in MB (default "10 100")
# --rounds   runs of each layout per size, alternated (default 3); the
#            targets take each layout's median run
# --program  measure this docbase binary instead of building one
# --settle   wait this long after the folders of earlier runs are removed,
#            before each run (default 0). On ext4 without a journal, files
#            made within a minute of many deletions cost far more: the file
#            system passes over every recently freed inode (hundreds of
#            microseconds a file, seen as kernel time). 65 lets that minute
#            pass, so each run sees the disk as a first run in its folder
#            does; 0 measures right after the removal.
# Results go to build-bench/modern.jsonl (replaced on every run); the
# program folders to build-bench/modern_runs/ (the last modern htm_out of
# each size is kept there for the table).
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
source "$repo/bench/bench_setup.sh"
bench="$repo/build-bench"
sizes="10 100"
rounds=3
program=""
settle=0
while [ $# -gt 0 ]; do
  case "$1" in
    --sizes) sizes="$2"; shift 2 ;;
    --rounds) rounds="$2"; shift 2 ;;
    --program) program="$2"; shift 2 ;;
    --settle) settle="$2"; shift 2 ;;
    -h|--help) sed -n '2,31s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) echo "unknown option: $1 (see --help)" >&2; exit 2 ;;
  esac
done
mkdir -p "$bench"
program="$(docbase_program "$repo" "$bench" "$program")"
echo "program: $program"

runs="$bench/modern_runs"
mkdir -p "$runs"
disk_type="$(require_disk "$runs")"
echo "disk folder: $runs (file system: $disk_type)"
echo "settle: ${settle} s before each run"
echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
results="$bench/modern.jsonl"
: >"$results"

# synced_run SIZE LAYOUT [CORPUS FOLDER LABEL]: one measured run (of the
# real corpus of SIZE MB, unless CORPUS is given), then the sync after it
# timed and added to its line of results as "sync_seconds".
synced_run() {
  local corpus="${3:-$(real_corpus "$repo" "$bench" "$1")}"
  local folder="${4:-$runs/${2}_${1}mb}"
  rm -rf "$folder"
  sync
  if [ "$settle" != 0 ]; then sleep "$settle"; fi
  python3 "$repo/bench/measure_run.py" "$program" "$corpus" \
    "$folder" --label "${5:-$2 $1 MB}" --args "--layout $2" --json "$results" |
    grep -E "^==|wall time" || true
  python3 - "$results" <<'PY'
import json, os, sys, time
start = time.monotonic()
os.sync()
seconds = time.monotonic() - start
path = sys.argv[1]
with open(path) as source:
    lines = source.read().splitlines()
last = json.loads(lines[-1])
last["sync_seconds"] = seconds
lines[-1] = json.dumps(last)
with open(path, "w") as out:
    out.write("\n".join(lines) + "\n")
print("  sync after the run: %.2f s" % seconds)
PY
}

for size in $sizes; do
  real_corpus "$repo" "$bench" "$size" >/dev/null
  for round in $(seq 1 "$rounds"); do
    synced_run "$size" classic
    # The classic pages are large: gone before the modern run starts.
    rm -rf "$runs/classic_${size}mb"
    sync
    synced_run "$size" modern
  done
done

# The long text, made once from the 10 MB corpus.
long_corpus="$bench/corpus/long_text"
if [ ! -d "$long_corpus" ]; then
  source_corpus="$(real_corpus "$repo" "$bench" 10)"
  rm -rf "$long_corpus.tmp"
  mkdir -p "$long_corpus.tmp"
  mapfile -t texts < <(ls "$source_corpus" | sort)
  (cd "$source_corpus" && cat "${texts[@]:0:40}") >"$long_corpus.tmp/long.txt"
  (cd "$source_corpus" && cp "${texts[@]:40}" "$long_corpus.tmp/")
  mv "$long_corpus.tmp" "$long_corpus"
fi
synced_run 10 modern "$long_corpus" "$runs/modern_long" "modern long text"
python3 "$repo/bench/modern_targets.py" "$results" "$runs"
