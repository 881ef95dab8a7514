#!/usr/bin/env bash
# The reader checks of the modern layout in Chromium: makes the document
# bases of the sample corpus and of the texts full of markup characters
# (markup_texts/) in a fresh folder, walks them as a reader would
# (reader_walk.js) and runs axe-core on the largest page of each kind of
# the sample (axe_check.js).
#   reader_test.sh DOCBASE_BINARY SOURCE_DIR
# Exits 77 (skipped) where Chromium or node is not installed, or the
# pinned playwright-core and axe-core (scripts/install_test_deps.sh, which
# CI runs first) are not, as the other checks that need a tool do.
set -euo pipefail
program="$1"
source_dir="$2"
here="$source_dir/tests/browser"
export CHROMIUM="${CHROMIUM:-/usr/bin/chromium}"
if [ ! -x "$CHROMIUM" ] || ! command -v node >/dev/null; then
  echo "chromium or node not installed: skipped"
  exit 77
fi
if [ ! -d "$here/node_modules/playwright-core" ] ||
   [ ! -d "$here/node_modules/axe-core" ]; then
  echo "playwright-core and axe-core are missing: skipped (scripts/install_test_deps.sh installs them)"
  exit 77
fi

work="$(mktemp -d /tmp/docbase_reader_XXXXXX)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/sample" "$work/markup"
cp -r "$source_dir/examples/txt_in" "$work/sample/txt_in"
cp -r "$here/markup_texts" "$work/markup/txt_in"
for base in sample markup; do
  "$program" -C "$work/$base" --yes --address www.example.org --layout modern \
    >"$work/$base.log"
done

node "$here/reader_walk.js" "$work/sample/htm_out" "$work/markup/htm_out" \
  "$work/markup/txt_in"
node "$here/axe_check.js" "$work/sample/htm_out"
