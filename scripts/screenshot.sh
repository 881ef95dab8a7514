#!/usr/bin/env bash
# Makes docs/screenshot.png: the sample corpus's document base, an annotated
# page opened at a word (highlighted, with its navigation strip shown), as
# headless Chromium renders it; and docs/screenshot_modern.png, the same in
# the modern layout (page 2 at the word "Lindmoor", its first occurrence there).
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
index="$("$repo/scripts/demo.sh")"
out="$(dirname "$index")"
page="$out/page_03.htm"
word="${1:-harbour}"
id="$(grep -o "<span id=\"id[0-9]*\" type[^>]*>$word</span>" "$page" | head -1 |
      sed 's/^<span id="\(id[0-9]*\)".*/\1/')"
profile="$(mktemp -d)"
trap 'rm -rf "$profile"' EXIT
chromium --headless --no-sandbox --disable-gpu --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --disable-quic --user-data-dir="$profile" --hide-scrollbars \
  --window-size=900,560 --virtual-time-budget=2000 \
  --screenshot="$repo/docs/screenshot.png" "file://$page#$id" 2>/dev/null
echo "$repo/docs/screenshot.png ($word, $id)"

modern="$(dirname "$out")_modern"
rm -rf "$modern"
mkdir -p "$modern"
cp -r "$repo/examples/txt_in" "$modern/txt_in"
"$(dirname "$(dirname "$out")")/docbase" -C "$modern" --yes \
  --address www.example.org --layout modern >/dev/null
page="$modern/htm_out/page_02.htm"
id="$(grep -o '<b id="id[0-9]*">Lindmoor</b>' "$page" | head -1 |
      sed 's/^<b id="\([^"]*\)".*/\1/')"
chromium --headless --no-sandbox --disable-gpu --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --disable-quic --user-data-dir="$profile" --hide-scrollbars \
  --window-size=900,420 --virtual-time-budget=2000 \
  --screenshot="$repo/docs/screenshot_modern.png" "file://$page#$id" 2>/dev/null
echo "$repo/docs/screenshot_modern.png (Lindmoor, $id)"
