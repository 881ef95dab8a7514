# What every benchmark of a whole run needs first, sourced by
# bench/disk_bench.sh, bench/modern_bench.sh and bench/page_load_bench.sh
# (not run on its own):
#   build_release_docbase REPO BENCH  builds the docbase of REPO (Release)
#                                     in BENCH/build; prints nothing, ends
#                                     the script with status 2 on failure
#   docbase_program REPO BENCH PATH   prints the absolute path of PATH, or
#                                     when PATH is empty builds one (saying
#                                     so on stderr) and prints its path
#   require_disk FOLDER               ends the script with status 2 when
#                                     FOLDER is on tmpfs or ramfs; prints
#                                     its file system
#   real_corpus REPO BENCH SIZE       prints the folder of the real-text
#                                     corpus of SIZE MB (made once, by
#                                     bench/make_real_corpus.py)

build_release_docbase() {
  local repo="$1" bench="$2"
  if ! { cmake -S "$repo" -B "$bench/build" -DCMAKE_BUILD_TYPE=Release &&
         cmake --build "$bench/build" -j2 --target docbase; } \
       >"$bench/build.log" 2>&1; then
    tail -20 "$bench/build.log" >&2
    exit 2
  fi
}

docbase_program() {
  local program="$3"
  if [ -z "$program" ]; then
    echo "building docbase (Release) in $2/build" >&2
    build_release_docbase "$1" "$2"
    program="$2/build/docbase"
  fi
  echo "$(cd "$(dirname "$program")" && pwd)/$(basename "$program")"
}

require_disk() {
  local type
  type="$(stat -f -c %T "$1")"
  if [ "$type" = tmpfs ] || [ "$type" = ramfs ]; then
    echo "refusing to call $1 a disk: it is on $type" >&2
    exit 2
  fi
  echo "$type"
}

real_corpus() {
  local folder="$2/corpus/real_${3}mb"
  if [ ! -f "$folder.done" ]; then
    rm -rf "$folder"
    python3 "$1/bench/make_real_corpus.py" "$folder" "$3" >&2
    touch "$folder.done"
  fi
  echo "$folder"
}
