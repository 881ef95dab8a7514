#!/usr/bin/env bash
# Counts the files a run creates per input text: runs PROGRAM under
# strace (openat only, child threads followed) in a fresh program folder
# holding a copy of CORPUS as txt_in, and prints the successful openat
# calls with O_CREAT, the number of input texts and their quotient, as
# "files created: N for T texts (Q per text)".
#
#   bench/files_per_text.sh PROGRAM CORPUS FOLDER [ARG ...]
set -euo pipefail
program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
corpus="$2"
folder="$3"
shift 3
rm -rf "$folder"
mkdir -p "$folder"
cp -r "$corpus" "$folder/txt_in"
texts="$(find "$folder/txt_in" -maxdepth 1 -type f -name '*.txt' | wc -l)"
trace="$folder.strace"
(cd "$folder" &&
 printf '1\n1\n1\n1\nwww.example.org\n\n' |
   SOURCE_DATE_EPOCH=1700000000 strace -f -qq -e trace=openat -o "$trace" \
     "$program" "$@" >/dev/null)
created="$(grep 'O_CREAT' "$trace" | grep -vc '= -1' || true)"
awk -v c="$created" -v t="$texts" 'BEGIN {
  printf "files created: %d for %d texts (%.2f per text)\n", c, t, c / t }'
