#!/usr/bin/env bash
# Builds docbase at git revision REV and from this working tree (Release,
# target docbase only), runs both on the same input sets and compares what
# they leave byte for byte: exit status, htm_out, the other files and
# folders left in the program folder (absolute paths of the folder replaced
# by a placeholder), txt_in against the input, and the console output:
# standard output and standard error, each apart.
# Prints one line per set ("same" or "DIFFERENT: ...", with indented
# details) and exits 1 when any set differs.
#
#   scripts/compare_builds.sh REV [SET ...]
#
# Sets (default: all): sample gen1 gen10 real10 leftovers names nul cr
# longlines empty5000 mixedcase pages1.
#
# Everything goes to build-compare/ of this tree (COMPARE_DIR overrides):
# src-SHA, the worktree of REV; build-SHA and build-current, the builds;
# sets/, the generated inputs (kept and reused); runs/, the program folders
# of a set, removed when the set compares the same (KEEP_RUNS=1 keeps them).
# Each run is bounded: no file may outgrow COMPARE_FILE_LIMIT_MB (1024) and
# a run is killed after COMPARE_TIMEOUT seconds (1200); a set whose run
# was stopped so is reported as not compared. COMPARE_ARGS holds extra
# arguments for the runs of both builds, e.g. COMPARE_ARGS="--layout
# modern"; COMPARE_NEW_ARGS for the working tree's runs only, e.g.
# COMPARE_NEW_ARGS="-j 1".
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
all_sets=(sample gen1 gen10 real10 leftovers names nul cr longlines
          empty5000 mixedcase pages1)
if [ $# -lt 1 ] || [ "$1" = "-h" ] || [ "$1" = "--help" ]; then
  sed -n '2,26s/^# \{0,1\}//p' "$0"
  exit 2
fi
rev="$1"
shift
sets=("$@")
[ ${#sets[@]} -eq 0 ] && sets=("${all_sets[@]}")
for set in "${sets[@]}"; do
  case " ${all_sets[*]} " in
    *" $set "*) ;;
    *) echo "unknown set: $set (sets: ${all_sets[*]})" >&2; exit 2 ;;
  esac
done

sha="$(git -C "$repo" rev-parse --verify "$rev^{commit}")"
short="${sha:0:12}"
root="${COMPARE_DIR:-$repo/build-compare}"
timeout_seconds="${COMPARE_TIMEOUT:-1200}"
file_limit_kib=$(( ${COMPARE_FILE_LIMIT_MB:-1024} * 1024 ))
answers='1\n1\n1\n1\nwww.example.org\n'
read -r -a both_args <<<"${COMPARE_ARGS:-}"
read -r -a new_args <<<"${COMPARE_NEW_ARGS:-}"
mkdir -p "$root"
root="$(cd "$root" && pwd)"

# build SOURCE BUILD_DIR: a Release build of target docbase.
build() {
  local source="$1" dir="$2"
  if ! { cmake -S "$source" -B "$dir" -DCMAKE_BUILD_TYPE=Release &&
         cmake --build "$dir" -j2 --target docbase; } >"$dir.log" 2>&1; then
    echo "build of $source failed; see $dir.log" >&2
    tail -20 "$dir.log" >&2
    exit 2
  fi
}

old_source="$root/src-$short"
if [ ! -e "$old_source/.git" ]; then
  git -C "$repo" worktree prune
  git -C "$repo" worktree add --detach "$old_source" "$sha" >/dev/null 2>&1 ||
    { echo "cannot make a worktree of $rev at $old_source" >&2; exit 2; }
fi
echo "building $rev ($short) in $root/build-$short"
build "$old_source" "$root/build-$short"
echo "building the working tree in $root/build-current"
build "$repo" "$root/build-current"
old_program="$root/build-$short/docbase"
new_program="$root/build-current/docbase"

# Every generated set is stamped with a digest of the generators, so a
# changed generator makes its sets again.
stamp="$(cat "$0" "$repo/bench/make_corpus.py" "$repo/bench/make_real_corpus.py" \
  "$repo/scripts/make_adversarial_inputs.py" | sha1sum | cut -c1-16)"

# make_set SET FOLDER: the program folder a run of SET starts from.
make_set() {
  local set="$1" folder="$2"
  mkdir -p "$folder"
  case "$set" in
    sample) cp -a "$repo/examples/txt_in" "$folder/txt_in" ;;
    gen1) python3 "$repo/bench/make_corpus.py" "$folder/txt_in" 1 100 ;;
    gen10) python3 "$repo/bench/make_corpus.py" "$folder/txt_in" 10 1000 ;;
    real10) python3 "$repo/bench/make_real_corpus.py" "$folder/txt_in" 10 ;;
    leftovers)
      cp -a "$repo/examples/txt_in" "$folder/txt_in"
      printf 'a user text file\n' >"$folder/a.txt"
      printf 'one\ntwo\n' >"$folder/b.list"
      printf '<html><body>user page</body></html>\n' >"$folder/c.htm"
      printf '<html><body>user page too</body></html>\n' >"$folder/d.html"
      printf 'keep these bytes\0\n' >"$folder/keep.dat"
      mkdir "$folder/trace"
      mkdir "$folder/htm_out"
      printf 'an old output page\n' >"$folder/htm_out/old_page.htm"
      mkdir "$folder/old_htm_in"
      mkdir "$folder/wrd_24"
      printf 'left over\n' >"$folder/wrd_24/x.txt"
      printf 'left over data\n' >"$folder/wrd_24/y.dat"
      mkdir "$folder/htm_ndx"
      printf 'an old index page\n' >"$folder/htm_ndx/old.htm"
      ;;
    *) python3 "$repo/scripts/make_adversarial_inputs.py" "$set" \
         "$folder/txt_in" ;;
  esac
}

# run_program PROGRAM FOLDER SIDE [ARG ...]: one bounded run in FOLDER;
# SIDE.stdout, SIDE.stderr and SIDE.status beside FOLDER.
run_program() {
  local program="$1" folder="$2" side="$3" status=0
  shift 3
  (
    cd "$folder"
    ulimit -f "$file_limit_kib"
    printf "$answers" | SOURCE_DATE_EPOCH=1700000000 \
      timeout -k 10 "$timeout_seconds" bash -c 'exec -a docbase "$0" "$@"' \
      "$program" "$@" >"$side.stdout" 2>"$side.stderr"
    exit "${PIPESTATUS[1]}"
  ) || status=$?
  echo "$status" >"$side.status"
}


any_different=0
for set in "${sets[@]}"; do
  template="$root/sets/$set"
  if [ "$(cat "$root/sets/$set.stamp" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$template" "$root/sets/$set.stamp"
    make_set "$set" "$template"
    echo "$stamp" >"$root/sets/$set.stamp"
  fi
  runs="$root/runs/$set"
  rm -rf "$runs"
  mkdir -p "$runs"
  # Folders of equal name length, so no path length can tell them apart.
  for side in old new; do
    cp -a "$template" "$runs/$side"
  done
  run_program "$old_program" "$runs/old" "$runs/old" \
    ${both_args[@]+"${both_args[@]}"}
  run_program "$new_program" "$runs/new" "$runs/new" \
    ${both_args[@]+"${both_args[@]}"} ${new_args[@]+"${new_args[@]}"}
  old_status="$(cat "$runs/old.status")"
  new_status="$(cat "$runs/new.status")"
  # A run stopped by the timeout or a signal (SIGXFSZ at the file-size
  # limit) proves nothing, even when both were stopped alike.
  if [ "$old_status" = 124 ] || [ "$old_status" -gt 128 ] ||
     [ "$new_status" = 124 ] || [ "$new_status" -gt 128 ]; then
    any_different=1
    echo "$set: NOT COMPARED: exit status $old_status (old) and" \
      "$new_status (new); 124 is the timeout of $timeout_seconds s," \
      "128+N signal N (153: a file reached the size limit)"
    echo "    (runs kept in $runs)"
    continue
  fi
  if result="$(python3 "$repo/scripts/compare_program_dirs.py" "$template" \
      "$runs/old" "$runs/old.stdout" "$runs/old.stderr" "$runs/old.status" \
      "$runs/new" "$runs/new.stdout" "$runs/new.stderr" "$runs/new.status")"; then
    echo "$set: $result"
    [ "${KEEP_RUNS:-0}" = 1 ] || rm -rf "$runs"
  else
    any_different=1
    echo "$set: $result"
    echo "    (runs kept in $runs)"
  fi
done
exit "$any_different"
