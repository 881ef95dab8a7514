#!/usr/bin/env bash
# The disk benchmark of a whole run: builds docbase (Release) from the tree
# this script is in, makes real-text corpora (bench/make_real_corpus.py),
# runs docbase on each size in a program folder on the ordinary disk
# (build-bench/ of this tree) and again on tmpfs (/dev/shm), and measures
# each run with bench/measure_run.py: wall time, time of each phase, peak
# memory, the most files at once, bytes written outside htm_out. It also
# times Pagefind 1.6 on the 10 MB texts (installed with npm into
# build-bench/pagefind on first use), then prints the table of targets
# with PASS/FAIL (bench/bench_targets.py) and exits 1 when one fails.
# Beside the corpora it measures, on the disk: the floor of each run (a
# copy of its own htm_out to a fresh folder, timed right after it), a
# folder of many small texts (bench/make_small_corpus.py), the 10 MB and
# small runs again with -j 1, and the files created per input text
# (bench/files_per_text.sh, strace on 100 small texts).
#
#   bench/disk_bench.sh [--sizes "10 100"] [--no-pagefind] [--no-tmpfs]
#                       [--program PATH] [--repeat N] [--small N]
#
# --sizes    corpus sizes in MB (default "10 100"), e.g. --sizes 10
# --small    number of small texts of about 700 bytes (default 10000; 0:
#            none)
# --program  measure this docbase binary instead of building one
# --repeat   make every run (Pagefind's too) N times; the table takes the
#            fastest time and the worst memory, files and bytes of each
# Results go to build-bench/results.jsonl (replaced on every run).
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
source "$repo/bench/bench_setup.sh"
bench="$repo/build-bench"
sizes="10 100"
pagefind=1
tmpfs=1
program=""
repeat=1
small=10000
while [ $# -gt 0 ]; do
  case "$1" in
    --sizes) sizes="$2"; shift 2 ;;
    --sizes=*) sizes="${1#*=}"; shift ;;
    --no-pagefind) pagefind=0; shift ;;
    --no-tmpfs) tmpfs=0; shift ;;
    --program) program="$2"; shift 2 ;;
    --program=*) program="${1#*=}"; shift ;;
    --repeat) repeat="$2"; shift 2 ;;
    --repeat=*) repeat="${1#*=}"; shift ;;
    --small) small="$2"; shift 2 ;;
    --small=*) small="${1#*=}"; shift ;;
    -h|--help) sed -n '2,28s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) echo "unknown option: $1 (see --help)" >&2; exit 2 ;;
  esac
done
mkdir -p "$bench"

program="$(docbase_program "$repo" "$bench" "$program")"
echo "program: $program"

# corpus SIZE: the folder of the real-text corpus of SIZE MB, made once.
corpus() { real_corpus "$repo" "$bench" "$1"; }

# small_corpus COUNT: the folder of COUNT small texts, made once.
small_corpus() {
  local folder="$bench/corpus/small_$1"
  if [ ! -f "$folder.done" ]; then
    rm -rf "$folder"
    python3 "$repo/bench/make_small_corpus.py" "$(corpus 10)" "$folder" "$1"
    touch "$folder.done"
  fi
  echo "$folder"
}

# floor FOLDER LABEL: times a copy of FOLDER/htm_out to a fresh folder.
floor() {
  rm -rf "$1/floor_copy"
  python3 - "$1" "$2" "$results" <<'PY'
import json, shutil, sys, time
folder, label, results = sys.argv[1:]
start = time.monotonic()
shutil.copytree(folder + "/htm_out", folder + "/floor_copy")
seconds = time.monotonic() - start
print("== %s ==\n  copy of htm_out: %.2f s" % (label, seconds))
with open(results, "a") as out:
    out.write(json.dumps({"label": label, "status": 0,
                          "wall_seconds": seconds}) + "\n")
PY
  rm -rf "$1/floor_copy"
}

disk_root="$bench/runs"
mkdir -p "$disk_root"
disk_type="$(require_disk "$disk_root")"
echo "disk folder: $disk_root (file system: $disk_type)"
shm_root=""
if [ "$tmpfs" = 1 ]; then
  shm_root="/dev/shm/docbase-bench-$$"
  mkdir -p "$shm_root"
  trap 'rm -rf "$shm_root"' EXIT
  shm_type="$(stat -f -c %T "$shm_root")"
  echo "tmpfs folder: $shm_root (file system: $shm_type)"
  if [ "$shm_type" != tmpfs ]; then
    echo "$shm_root is not on tmpfs; skipping the tmpfs runs" >&2
    tmpfs=0
  fi
fi

# Other work on the machine skews every time below: show how busy it is.
echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
results="$bench/results.jsonl"
: >"$results"
for round in $(seq 1 "$repeat"); do
for size in $sizes; do
  folder="$(corpus "$size")"
  python3 "$repo/bench/measure_run.py" "$program" "$folder" \
    "$disk_root/run_${size}mb" --label "disk $size MB" --json "$results" || true
  floor "$disk_root/run_${size}mb" "floor $size MB"
  if [ "$size" = 10 ]; then
    python3 "$repo/bench/measure_run.py" "$program" "$folder" \
      "$disk_root/run_${size}mb" --label "disk $size MB -j 1" --args "-j 1" \
      --json "$results" || true
  fi
  if [ "$tmpfs" = 1 ]; then
    python3 "$repo/bench/measure_run.py" "$program" "$folder" \
      "$shm_root/run_${size}mb" --label "tmpfs $size MB" --json "$results" ||
      true
    rm -rf "$shm_root/run_${size}mb"
  fi
done
done

if [ "$small" -gt 0 ]; then
  folder="$(small_corpus "$small")"
  for round in $(seq 1 "$repeat"); do
    for jobs in "" "-j 1"; do
      python3 "$repo/bench/measure_run.py" "$program" "$folder" \
        "$disk_root/run_small" --label "disk small texts${jobs:+ $jobs}" \
        --args "$jobs" --json "$results" || true
    done
  done
  rm -rf "$disk_root/run_small"
fi
python3 "$repo/bench/make_small_corpus.py" "$(corpus 10)" \
  "$bench/corpus/small_100" 100
counted="$("$repo/bench/files_per_text.sh" "$program" "$bench/corpus/small_100" \
  "$disk_root/run_files")"
echo "== files per text (100 small texts, strace) =="
echo "  $counted"
echo "$counted" | python3 -c '
import json, re, sys
per_text = float(re.search(r"\(([0-9.]+) per text\)", sys.stdin.read()).group(1))
print(json.dumps({"label": "files per text", "status": 0, "wall_seconds": 0,
                  "per_text": per_text}))' >>"$results"

if [ "$pagefind" = 1 ]; then
  tool="$bench/pagefind/node_modules/.bin/pagefind"
  if [ ! -x "$tool" ]; then
    echo "installing pagefind 1.6.0 into $bench/pagefind"
    mkdir -p "$bench/pagefind"
    (cd "$bench/pagefind" &&
     npm i --no-audit --no-fund --loglevel=error pagefind@1.6.0 >/dev/null)
  fi
  for round in $(seq 1 "$repeat"); do
    python3 "$repo/bench/time_pagefind.py" "$tool" "$(corpus 10)" \
      "$disk_root/pagefind_10mb" --label "pagefind 10 MB" --json "$results" ||
      true
  done
fi

echo
echo "load average at end: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
python3 "$repo/bench/bench_targets.py" "$results"
