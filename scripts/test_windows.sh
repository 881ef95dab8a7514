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
# commas, UTF-8, upper-case .TXT), NUL bytes, lone CRs, long lines, and
# texts as Windows editors save them (forms, and forms_utf8: the same texts
# as plain UTF-8). Each is run once with --yes --address (the forms sets
# with --encoding windows-1252 too) and once with answers through a pipe;
# sample, gen1 and names also with --layout modern (gen1 makes many page
# groups there); standard error is compared as well. With --encoding, forms must give the
# pages of forms_utf8.
#
# Before the sets: the console's code page is the same before and after a
# run (chcp in cmd); --help is in cmd's words (no '', no / in a folder, CR
# LF ends); a text that is not UTF-8 is named before the final "any key";
# and the zip, unpacked, keeps every file it ships, byte for byte, through
# a run in its folder; its documents are plain text (no backspace or
# escape) with CR LF ends.
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
    nul|cr|longlines|forms|forms_utf8)
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

# run SIDE FOLDER MODE SET: one run of the Linux or Windows program in
# FOLDER.
run() {
  local side="$1" folder="$2" mode="$3" set="$4" status=0
  local -a args=()
  [ "$mode" = options ] && args=(--yes --address www.example.org)
  [ "$mode" = modern ] &&
    args=(--yes --address www.example.org --layout modern)
  case "$mode-$set" in
    options-forms*) args+=(--encoding windows-1252) ;;
  esac
  (
    cd "$folder"
    if [ "$side" = linux ]; then
      printf '1\n1\n1\n1\nwww.example.org\n' | SOURCE_DATE_EPOCH=1700000000 \
        timeout 600 "$linux_program" "${args[@]}" >../"$side.console" \
        2>../"$side.stderr"
    else
      printf '1\n1\n1\n1\nwww.example.org\n' | SOURCE_DATE_EPOCH=1700000000 \
        timeout 600 wine "$win_build/docbase.exe" "${args[@]}" \
        >../"$side.console" 2>../"$side.stderr"
    fi
  ) || status=$?
  echo "$status" >"$folder/../$side.status"
}

failures=0

echo "== the console's code page before and after a run"
# Through a pseudo-terminal (script), so that Wine gives cmd a console of
# its own: without one every code page reads 0.
# A console that Wine has not finished making can give no output at all (seen
# once in a fresh prefix): up to three tries for the two lines; the code
# pages in them must still agree.
for try in 1 2 3; do
  pages="$(cd "$win_build" && timeout 120 script -qc \
    'wine cmd /c "chcp & docbase.exe --version & chcp"' /dev/null </dev/null |
    tr -d '\r' | grep -o 'code page: [0-9]*' || true)"
  [ "$(echo "$pages" | grep -c 'code page')" -eq 2 ] && break
  echo "(no console output on try $try)"
done
echo "$pages"
if [ "$(echo "$pages" | wc -l)" -ne 2 ] ||
   [ "$(echo "$pages" | sort -u | wc -l)" -ne 1 ]; then
  echo "DIFFERENT: chcp before and after docbase.exe --version"
  failures=$((failures + 1))
fi

# crlf_only FILE: FILE is not empty and every line of it ends in CR LF.
crlf_only() {
  python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); sys.exit(d.count(b"\n") != d.count(b"\r\n") or not d)' "$1"
}

echo "== --help in cmd's words"
(cd "$win_build" && wine ./docbase.exe --help >"$work/help.txt" 2>/dev/null)
help_problems=()
grep -qF 'docbase -C C:\mybase --yes' "$work/help.txt" &&
  grep -qF 'type ..\answers.txt | docbase' "$work/help.txt" ||
  help_problems+=("no cmd examples")
! grep -qE 'printf|~/' "$work/help.txt" || help_problems+=("POSIX examples")
! grep -qF "''" "$work/help.txt" || help_problems+=("'' for an empty argument")
grep -qF '("" for none)' "$work/help.txt" || help_problems+=('no ""')
! grep -qE '(txt_in|htm_out)/' "$work/help.txt" ||
  help_problems+=("/ in a folder")
crlf_only "$work/help.txt" || help_problems+=("lines not ended by CR LF")
if [ ${#help_problems[@]} -eq 0 ]; then
  echo "same: cmd examples, \"\", backslashes, CR LF ($(wc -l <"$work/help.txt") lines)"
else
  echo "DIFFERENT: --help: ${help_problems[*]}"
  failures=$((failures + 1))
fi

echo "== a text that is not UTF-8 is named before the final key"
# Standard output and standard error through one pipe, in the order they
# were written, as a console window shows them.
mkdir -p "$work/warn/txt_in"
printf 'caf\xe9 cr\xe8me\r\n' >"$work/warn/txt_in/c_ansi.txt"
printf 'plain words\n' >"$work/warn/txt_in/plain.txt"
(cd "$work/warn" && timeout 600 wine "$win_build/docbase.exe" --yes \
  --address www.example.org 2>&1 | cat >"$work/warn.console") || true
if python3 - "$work/warn.console" <<'PY'
import sys
d = open(sys.argv[1], "rb").read()
named = d.find(b"docbase: c_ansi.txt: not UTF-8, kept as bytes (see --encoding)\r\n")
final = d.find(b"any key to continue")
sys.exit(not (0 <= named < final))
PY
then
  echo "same: the warning comes before \"any key to continue\""
else
  echo "DIFFERENT: the warning is missing or comes after \"any key to continue\""
  failures=$((failures + 1))
fi

echo "== the zip keeps what it ships through a run in its folder"
zip_file="$(ls "$win_build"/docbase-*-win64.zip)"
mkdir -p "$work/zip/shipped" "$work/zip/run"
unzip -q "$zip_file" -d "$work/zip/shipped"
unzip -q "$zip_file" -d "$work/zip/run"
zip_dir="$(ls -d "$work"/zip/run/*/)"
cp -a "$repo/examples/txt_in" "$zip_dir/txt_in"
(cd "$zip_dir" && SOURCE_DATE_EPOCH=1700000000 timeout 600 \
  wine ./docbase.exe --yes --address www.example.org >/dev/null 2>&1) ||
  { echo "DIFFERENT: the run in the unpacked zip failed"; failures=$((failures + 1)); }
zip_problems=()
[ -f "$zip_dir/htm_out/index.htm" ] || zip_problems+=("no htm_out/index.htm")
while IFS= read -r -d '' shipped; do
  name="${shipped#"$work/zip/shipped/"}"
  cmp -s "$shipped" "$work/zip/run/$name" || zip_problems+=("$name changed or gone")
  case "$name" in
    *.txt|*.md)
      crlf_only "$shipped" || zip_problems+=("$name has line ends other than CR LF")
      ! LC_ALL=C grep -q $'[\b\e]' "$shipped" ||
        zip_problems+=("$name holds a backspace or an escape")
      ;;
  esac
done < <(find "$work/zip/shipped" -type f -print0)
for document in docs/README.txt docs/docbase-manual.txt; do
  [ -f "${zip_dir%/}/$document" ] ||
    zip_problems+=("no $document")
done
if [ ${#zip_problems[@]} -eq 0 ]; then
  echo "same: every shipped file, CR LF text files"
else
  echo "DIFFERENT: zip: ${zip_problems[*]}"
  failures=$((failures + 1))
fi

for set in sample gen1 names nul cr longlines forms forms_utf8; do
  modes=(options piped)
  case "$set" in sample | gen1 | names) modes+=(modern) ;; esac
  for mode in "${modes[@]}"; do
    dir="$work/$set-$mode"
    mkdir -p "$dir/linux/p" "$dir/windows/p"
    make_set "$set" "$dir/linux/p"
    cp -a "$dir/linux/p/txt_in" "$dir/windows/p/"
    run linux "$dir/linux/p" "$mode" "$set"
    run windows "$dir/windows/p" "$mode" "$set"
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
    # Standard error ends its lines as the platform does, and names a page
    # of htm_out in the platform's form.
    if [ -s "$dir/windows/windows.stderr" ] &&
       ! crlf_only "$dir/windows/windows.stderr"; then
      problems+=("stderr lines not ended by CR LF")
    fi
    tr -d '\r' <"$dir/windows/windows.stderr" | sed 's#htm_out\\#htm_out/#g' |
      cmp -s "$dir/linux/linux.stderr" - || problems+=("stderr differs")
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
      diff "$dir/linux/linux.stderr" "$dir/windows/windows.stderr" | cat -A | head -6 || true
      diff "$dir/linux/dir_01.txt" "$dir/windows/dir_01.txt" | head -6 || true
      diff -rq "$dir/linux/p/htm_out" "$dir/windows/p/htm_out" | head -6 || true
      diff "$dir/linux/entries" "$dir/windows/entries" | head -6 || true
    fi
  done
done
# Texts as editors save them give, with --encoding, the pages of plain UTF-8.
if diff -r "$work/forms-options/windows/p/htm_out" \
     "$work/forms_utf8-options/windows/p/htm_out" >/dev/null 2>&1; then
  echo "same: forms with --encoding windows-1252 and forms_utf8 (Windows)"
else
  echo "DIFFERENT: forms with --encoding windows-1252 and forms_utf8 (Windows)"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] || { echo "$failures Windows runs differ from Linux"; exit 1; }
echo "the Windows program leaves what the Linux program leaves on every set"
