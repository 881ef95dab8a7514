#!/usr/bin/env bash
# Builds docbase, runs it on the sample corpus in a fresh folder with the
# answers given through a pipe, and prints where the document base is.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${BUILD_DIR:-$repo/build}"
cmake -S "$repo" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target docbase >/dev/null

# A folder of its own: a run deletes the *.txt, *.list and *.htm* files of
# the folder it runs in.
demo_dir="$build_dir/demo"
rm -rf "$demo_dir"
mkdir -p "$demo_dir"
cp -r "$repo/examples/txt_in" "$demo_dir/txt_in"

# Terms, font advice, installation advice, "number of files =": 1 each;
# then the destination address; the results screen ends at end of input.
cd "$demo_dir"
printf '1\n1\n1\n1\nwww.example.org\n' | "$build_dir/docbase" >"$demo_dir/console.log"
echo "$demo_dir/htm_out/index.htm"
