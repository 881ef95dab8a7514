#!/usr/bin/env bash
# Real-browser check of a document base: runs docbase on the sample corpus in
# a fresh folder, then lets headless Chromium open an annotated page at a
# word's fragment and the generated pages, and checks the DOM it dumps.
#   browser_test.sh DOCBASE_BINARY SOURCE_DIR
# Exits 77 (skipped) when Chromium is not installed.
set -euo pipefail
program="$1"
source_dir="$2"
chromium="$(command -v chromium || command -v chromium-browser || true)"
if [ -z "$chromium" ]; then
  echo "chromium not installed: skipped"
  exit 77
fi

work="$(mktemp -d /tmp/docbase_browser_XXXXXX)"
profile="$(mktemp -d /tmp/docbase_profile_XXXXXX)"
trap 'rm -rf "$work" "$profile"' EXIT
cp -r "$source_dir/examples/txt_in" "$work/txt_in"
(cd "$work" && printf '1\n1\n1\n1\nwww.example.org\n' | "$program" >console.log)
out="$work/htm_out"

dump() {  # URL -> DOM on stdout
  timeout 60 "$chromium" --headless --no-sandbox --disable-gpu --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --disable-quic --user-data-dir="$profile" --virtual-time-budget=2000 \
    --dump-dom "$1" 2>/dev/null
}

fail() { echo "FAIL: $*"; exit 1; }

# A word on an annotated page: the first span of page 2 that carries an id.
page="$out/page_02.htm"
id="$(grep -o '<span id="id[0-9]*" type' "$page" | head -1 | grep -o 'id[0-9]*')"
[ -n "$id" ] || fail "no word span on page_02.htm"
dom="$(dump "file://$page#$id")"
grep -q "#$id { color: red }" <<<"$dom" || fail "highlight style for #$id missing"
grep -q "#$id { display: inline }" <<<"$dom" || fail "navigation display rule missing"
grep -q "<span hidden=\"\" id=\"$id\">" <<<"$dom" || fail "navigation span of $id missing"
echo "ok: page_02.htm#$id highlighted, navigation span present"

for name in index.htm i_1.htm s_1.htm files_list.htm; do
  dom="$(dump "file://$out/$name")"
  grep -q "</body>" <<<"$dom" || fail "$name did not load"
  echo "ok: $name loaded"
done
grep -q "id=\"$id\"" <<<"$(dump "file://$out/index.htm")" ||
  fail "index.htm has no entry for $id"
echo "browser test passed"
