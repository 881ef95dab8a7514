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
# A word with a further occurrence on the page and a next page: its record
# is "ID":[LAST,"NEXT"] with LAST above its first number on the page.
word="$(grep -o '^"id[0-9]*":\[[0-9]*,"page_[0-9]*\.htm"\]' "$mpage" |
        sed 's/^"\(id[0-9]*\)":\[\([0-9]*\),.*/\1 \2/' |
        while read -r w last; do
          k="$(grep -o "<span id=\"${w}_[0-9]*\">" "$mpage" | head -1 |
               sed 's/.*_\([0-9]*\)">/\1/')"
          if [ -n "$k" ] && [ "$k" -lt "$last" ]; then echo "$w $k"; break; fi
        done)"
read -r mid mk <<<"$word"
[ -n "${mid:-}" ] || fail "no modern word with a next occurrence and a next page"

strip_of() {  # DOM -> the hrefs of its strip, one a line
  grep -o '<span class="strip">.*</span>' <<<"$1" | head -1 |
    grep -o 'href="[^"]*"' | sed 's/^href="\(.*\)"$/\1/'
}
lands() {  # HREF from page_02.htm: its page exists and holds the id
  local file="${1%%#*}" fragment="${1#*#}"
  [ -n "$file" ] || file="page_02.htm"
  [ -f "$mout/$file" ] || fail "strip link $1: no $file"
  [ "$fragment" != "$1" ] || return 0
  grep -q "id=\"$fragment\"\|id = \"$fragment\"" "$mout/$file" ||
    fail "strip link $1: no id $fragment on $file"
  dump "file://$mout/$file" | grep -q "</body>" || fail "$file did not load"
}

walk="$mout/walk_02.htm"
sed "s|</body>|<script>addEventListener('load', function () { document.getElementById('${mid}_$mk').dispatchEvent(new MouseEvent('dblclick', {bubbles: true})); });</script></body>|" \
  "$mpage" >"$walk"
dom="$(dump "file://$walk")"
rm -f "$walk"
grep -q "span\[id^=\"${mid}_\"\]" <<<"$dom" ||
  fail "double-click on ${mid}_$mk: no highlight of the word"
links="$(strip_of "$dom")"
expected="$(printf '%s\n' "#${mid}_$((mk + 1))" "i_1.htm#$mid" "s_1.htm#${mid}_$mk" \
  files_list.htm)"
[ "$(head -4 <<<"$links")" = "$expected" ] ||
  fail "double-click on ${mid}_$mk: strip links are: $links"
[ "$(wc -l <<<"$links")" = 5 ] || fail "no next-page link in the strip: $links"
grep -q "<span id=\"${mid}_$mk\">[^<]*</span></span><span class=\"strip\">" \
  <<<"$dom" || fail "the strip does not follow ${mid}_$mk"
echo "ok: modern page_02.htm, double-click on ${mid}_$mk: highlighted, strip shown"
while read -r href; do lands "$href"; done <<<"$links"
echo "ok: next occurrence, word index, search page, contents and next page land"

dom="$(dump "file://$mpage#$mid")"
grep -q "span\[id^=\"${mid}_\"\]" <<<"$dom" || fail "page_02.htm#$mid: no highlight"
[ "$(strip_of "$dom")" = "$links" ] || fail "page_02.htm#$mid: another strip"
echo "ok: modern page_02.htm#$mid highlighted, with its strip"
for name in files_list.htm docbase.css docbase.js; do
  [ -f "$mout/$name" ] || fail "modern $name missing"
done
echo "browser test passed"
