# The two things every benchmark of a whole run needs first, sourced by
# bench/disk_bench.sh and bench/page_load_bench.sh (not run on its own):
#   build_release_docbase REPO BENCH  builds the docbase of REPO (Release)
#                                     in BENCH/build; prints nothing, ends
#                                     the script with status 2 on failure
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

real_corpus() {
  local folder="$2/corpus/real_${3}mb"
  if [ ! -f "$folder.done" ]; then
    rm -rf "$folder"
    python3 "$1/bench/make_real_corpus.py" "$folder" "$3" >&2
    touch "$folder.done"
  fi
  echo "$folder"
}
