#!/usr/bin/env bash
# Builds the Windows program and its unit tests (scripts/build_windows.sh),
# runs the unit tests under Wine, then runs the Windows program under Wine
# and the Linux program side by side on the same inputs and requires the
# same results: exit status, htm_out byte for byte, dir_01.txt, the console
# and the entries left in the program folder. The program folder and
# argument 0 are replaced by placeholders, and in paths only, backslashes
# and slashes count alike.
#
#   scripts/test_windows.sh [WINDOWS_BUILD_DIR [LINUX_BUILD_DIR]]
#
# Input sets: the sample corpus, a generated 1 MB corpus, names (blanks,
# commas, UTF-8, upper-case .TXT), NUL bytes, lone CRs and long lines. Each
# is run once with --yes --address and once with answers through a pipe.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
win_build="${1:-$repo/build-win}"
linux_build="${2:-$repo/build}"
export WINEDEBUG=-all
# No prompts for the .NET and HTML engines Wine offers to install.
export WINEDLLOVERRIDES="mscoree,mshtml="

"$repo/scripts/build_windows.sh" "$win_build"
[ -f "$linux_build/CMakeCache.txt" ] ||
  cmake -S "$repo" -B "$linux_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$linux_build" -j"$(nproc)" --target docbase >/dev/null
win_build="$(cd "$win_build" && pwd)"
# A Wine prefix of the build's own: nothing depends on HOME or an earlier
# prefix (the first start makes it, which takes a little while).
export WINEPREFIX="${WINEPREFIX:-$win_build/wineprefix}"
linux_program="$(cd "$linux_build" && pwd)/docbase"
win_program="$(winepath -w "$win_build/docbase.exe" 2>/dev/null)"

echo "== unit tests under Wine"
( cd "$win_build" && wine ./docbase_tests.exe --gtest_brief=1 )

work="$(mktemp -d "${TMPDIR:-/tmp}/docbase_windows_XXXXXX")"
trap 'rm -rf "$work"' EXIT

make_set() {
  local set="$1" folder="$2/txt_in"
  mkdir -p "$folder"
  case "$set" in
    sample) cp -a "$repo/examples/txt_in/." "$folder/" ;;
    gen1) python3 "$repo/bench/make_corpus.py" "$folder" 1 10 ;;
    names)
      printf 'blanks in the name\n' >"$folder/with blanks in it.txt"
      printf 'commas, in, the, name\n' >"$folder/a,b,c.txt"
      printf 'caf\xc3\xa9 cr\xc3\xa8me words\n' >"$folder/caf"$'\xc3\xa9'".txt"
      printf 'upper case extension\n' >"$folder/UPPER.TXT"
      printf 'leading blank\n' >"$folder/ leading blank.txt"
      printf 'plain words\n' >"$folder/plain.txt" ;;
    nul|cr|longlines)
      python3 "$repo/scripts/make_adversarial_inputs.py" "$set" "$folder" ;;
  esac
}

# Replaces the program folder and argument 0 by placeholders; backslashes
# become slashes in the lines that hold the folder.
normalise() {
  local file="$1" folder="$2" win_folder="$3"
  python3 - "$file" "$folder" "$win_folder" "$linux_program" \
    "$win_program" <<'PY'
import sys
path, folder, win_folder = sys.argv[1], sys.argv[2].encode(), sys.argv[3].encode()
data = open(path, 'rb').read()
for program in sys.argv[4:]:
    data = data.replace(program.encode(), b'<PROGRAM>')
lines = data.split(b'\n')
out = []
for line in lines:
    for name in (win_folder, folder):
        if name in line:
            line = line.replace(name, b'<DIR>').replace(b'\\', b'/')
    out.append(line)
data = b'\n'.join(out)
open(path, 'wb').write(data)
PY
}

# run SIDE FOLDER MODE: one run of the Linux or Windows program in FOLDER.
run() {
  local side="$1" folder="$2" mode="$3" status=0
  local -a args=()
  [ "$mode" = options ] && args=(--yes --address www.example.org)
  (
    cd "$folder"
    if [ "$side" = linux ]; then
      printf '1\n1\n1\n1\nwww.example.org\n' | SOURCE_DATE_EPOCH=1700000000 \
        timeout 600 "$linux_program" "${args[@]}" >../"$side.console" 2>&1
    else
      printf '1\n1\n1\n1\nwww.example.org\n' | SOURCE_DATE_EPOCH=1700000000 \
        timeout 600 wine "$win_build/docbase.exe" "${args[@]}" \
        >../"$side.console" 2>../"$side.stderr"
    fi
  ) || status=$?
  echo "$status" >"$folder/../$side.status"
}

failures=0
for set in sample gen1 names nul cr longlines; do
  for mode in options piped; do
    dir="$work/$set-$mode"
    mkdir -p "$dir/linux/p" "$dir/windows/p"
    make_set "$set" "$dir/linux/p"
    cp -a "$dir/linux/p/txt_in" "$dir/windows/p/"
    run linux "$dir/linux/p" "$mode"
    run windows "$dir/windows/p" "$mode"
    win_dir="$(cd "$dir/windows/p" && winepath -w "$PWD" 2>/dev/null)"
    problems=()
    for side in linux windows; do
      folder="$dir/$side/p"
      (cd "$folder" && find . -mindepth 1 -maxdepth 1 | LC_ALL=C sort) \
        >"$dir/$side/entries"
      normalise "$dir/$side/$side.console" "$folder" "$win_dir"
      [ -f "$folder/dir_01.txt" ] &&
        cp "$folder/dir_01.txt" "$dir/$side/dir_01.txt" &&
        normalise "$dir/$side/dir_01.txt" "$folder" "$win_dir"
    done
    cmp -s "$dir/linux/linux.status" "$dir/windows/windows.status" ||
      problems+=("status $(cat "$dir/linux/linux.status") vs $(cat "$dir/windows/windows.status")")
    diff -r "$dir/linux/p/htm_out" "$dir/windows/p/htm_out" >/dev/null 2>&1 ||
      problems+=("htm_out differs")
    cmp -s "$dir/linux/dir_01.txt" "$dir/windows/dir_01.txt" ||
      problems+=("dir_01.txt differs")
    cmp -s "$dir/linux/linux.console" "$dir/windows/windows.console" ||
      problems+=("console differs")
    cmp -s "$dir/linux/entries" "$dir/windows/entries" ||
      problems+=("entries left differ")
    diff -r "$dir/linux/p/txt_in" "$dir/windows/p/txt_in" >/dev/null 2>&1 ||
      problems+=("txt_in differs")
    if [ ${#problems[@]} -eq 0 ]; then
      echo "same: $set ($mode)"
    else
      failures=$((failures + 1))
      echo "DIFFERENT: $set ($mode): ${problems[*]}"
      diff "$dir/linux/linux.console" "$dir/windows/windows.console" | head -20 || true
      diff "$dir/linux/dir_01.txt" "$dir/windows/dir_01.txt" | head -6 || true
      diff -rq "$dir/linux/p/htm_out" "$dir/windows/p/htm_out" | head -6 || true
      diff "$dir/linux/entries" "$dir/windows/entries" | head -6 || true
    fi
  done
done
[ "$failures" -eq 0 ] || { echo "$failures Windows runs differ from Linux"; exit 1; }
echo "the Windows program leaves what the Linux program leaves on every set"
