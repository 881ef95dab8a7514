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

# A word on an annotated page: the second of page 2 with a navigation span
# (the page's first word stands in its title, whose markup the browser
# reads otherwise).
page="$out/page_02.htm"
id="$(grep -o '<span hidden id="id[0-9]*"' "$page" | sed -n 2p | grep -o 'id[0-9][0-9]*')"
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

# The modern layout, walked the same way: a word is double-clicked (a copy
# of the page with an added line that double-clicks it once loaded, so the
# page's own script does the rest), the page is opened at a word's id, and
# every link of the strip the script builds must land on an existing page
# holding the link's id.
modern="$work/modern"
mkdir -p "$modern"
cp -r "$source_dir/examples/txt_in" "$modern/txt_in"
(cd "$modern" && printf '1\n1\n1\n1\nwww.example.org\n' |
   "$program" --layout modern >console.log)
mout="$modern/htm_out"
mpage="$mout/page_02.htm"
# The first word of the page, and the number of its first occurrence (the
# first entry of the page's word record): opened at the word, and at that
# occurrence, the script marks it and builds its strip after it.
mid="$(grep -o '<b id="id[0-9]*">' "$mpage" | head -1 | grep -o 'id[0-9][0-9]*')"
mk="$(grep -o '"w":"[0-9]*' "$mpage" | grep -o '[0-9]*$')"
[ -n "$mid" ] && [ -n "$mk" ] || fail "no word on modern page_02.htm"
for fragment in "$mid" "${mid}_$mk"; do
  dom="$(dump "file://$mpage#$fragment")"
  grep -q "<b id=\"$mid\" [^>]*class=\"same here\"\|<b id=\"$mid\" class=\"same here\"" <<<"$dom" ||
    grep -q "class=\"same here\"" <<<"$dom" ||
    fail "page_02.htm#$fragment: the word is not marked"
  grep -q "id=\"${mid}_$mk\"" <<<"$dom" ||
    fail "page_02.htm#$fragment: no anchor ${mid}_$mk"
  grep -q "<span class=\"strip\" role=\"group\"" <<<"$dom" ||
    fail "page_02.htm#$fragment: no strip"
  echo "ok: modern page_02.htm#$fragment marked, anchored, with its strip"
done
# The list pages make their links once loaded. A dump taken by a busy
# machine may come before the page has run its script, so each page gets
# three tries.
links_made() {  # URL PATTERN
  for try in 1 2 3; do
    grep -q "$2" <<<"$(dump "$1")" && return 0
    echo "no links in the dump of $1 (try $try)"
  done
  return 1
}
links_made "file://$mout/s_1.htm" \
  "<a href=\"i_1.htm#id[0-9]*\" id=\"id[0-9]*_[0-9]*\">" ||
  fail "s_1.htm: no word links made"
links_made "file://$mout/i_1.htm" "<a href=\"s_1.htm#id[0-9]*_[0-9]*\">s_1</a>" ||
  fail "i_1.htm: no entry links made"
echo "ok: modern s_1.htm and i_1.htm make their links"
for name in files_list.htm docbase.css docbase.js; do
  [ -f "$mout/$name" ] || fail "modern $name missing"
done
echo "browser test passed"
