#!/usr/bin/env bash
# How long a reader waits for the pages of a large document base: runs
# docbase on the real-text corpus (bench/make_real_corpus.py) in
# build-bench/page_load/, then opens pages of its htm_out in headless
# Chromium (Debian's chromium, driven by playwright-core, installed with npm
# into build-bench/playwright on first use) and prints each page's size and
# load time (bench/page_load_times.js, the load event and the next frame):
# the largest annotated page opened at
# a word, index.htm, and the first, a middle and the last i_ and s_ pages
# (with --kinds: the largest page of every kind instead). With --browser
# firefox (or both) Debian's Firefox ESR opens the same pages, driven by
# puppeteer-core over WebDriver BiDi (installed like playwright-core).
#
#   bench/page_load_bench.sh [--layout classic|modern] [--group-size N]
#                            [--size MB] [--all] [--kinds]
#                            [--browser chromium|firefox|both] [--reuse]
#                            [--timeout SECONDS] [--program PATH]
#                            [--repeat N] [--fresh-browser]
#
# --layout      run docbase with --layout classic or modern (default: without)
# --group-size  run docbase with --group-size N (default: without it)
# --size        corpus size in MB (default 10)
# --all         time every i_ and s_ page, not only three of each
# --kinds       time the largest page of every kind: index.htm (the front
#               page in the modern layout), the largest main-index page
#               index_N.htm (modern), i_ page, s_ page, annotated page (at a
#               word) and files_list.htm
# --browser     chromium (default), firefox or both
# --reuse       keep the document base of an earlier run of the same
#               options instead of running docbase again
# --timeout     give up on a page after this many seconds (default 120)
# --program     measure this docbase binary instead of building one
# --repeat      load every page N times, in N rounds over all pages, and
#               print the median and the slowest load of each (default 1)
# --fresh-browser  load every page in a browser started (and warmed up on
#               files_list.htm) for it alone, not all pages in one browser
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
source "$repo/bench/bench_setup.sh"
bench="$repo/build-bench"
group_size=""
size=10
all=0
timeout=120
program=""
repeat=1
mode=shared
layout=""
kinds=0
browser=chromium
reuse=0
while [ $# -gt 0 ]; do
  case "$1" in
    --group-size) group_size="$2"; shift 2 ;;
    --size) size="$2"; shift 2 ;;
    --all) all=1; shift ;;
    --timeout) timeout="$2"; shift 2 ;;
    --program) program="$2"; shift 2 ;;
    --repeat) repeat="$2"; shift 2 ;;
    --fresh-browser) mode=fresh; shift ;;
    --layout) layout="$2"; shift 2 ;;
    --kinds) kinds=1; shift ;;
    --browser) browser="$2"; shift 2 ;;
    --reuse) reuse=1; shift ;;
    -h|--help) sed -n '2,36s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) echo "unknown option: $1 (see --help)" >&2; exit 2 ;;
  esac
done
case "$browser" in
  chromium|firefox|both) ;;
  *) echo "--browser: chromium, firefox or both" >&2; exit 2 ;;
esac
if [ "$browser" != firefox ] && [ ! -x /usr/bin/chromium ]; then
  echo "needs Debian's chromium (apt-get install chromium)" >&2
  exit 2
fi
mkdir -p "$bench"
program="$(docbase_program "$repo" "$bench" "$program")"

playwright="$bench/playwright"
if [ "$browser" != firefox ] &&
   [ ! -d "$playwright/node_modules/playwright-core" ]; then
  echo "installing playwright-core into $playwright"
  mkdir -p "$playwright"
  (cd "$playwright" &&
   npm i --no-audit --no-fund --loglevel=error playwright-core@1.65.2 >/dev/null)
fi
puppeteer="$bench/puppeteer"
if [ "$browser" != chromium ]; then
  if [ ! -x /usr/bin/firefox-esr ]; then
    echo "needs Debian's firefox-esr (apt-get install firefox-esr)" >&2
    exit 2
  fi
  if [ ! -d "$puppeteer/node_modules/puppeteer-core" ]; then
    echo "installing puppeteer-core into $puppeteer"
    mkdir -p "$puppeteer"
    (cd "$puppeteer" &&
     npm i --no-audit --no-fund --loglevel=error puppeteer-core@25.19.0 >/dev/null)
  fi
fi

corpus="$(real_corpus "$repo" "$bench" "$size")"
run="$bench/page_load/run_${size}mb_group_${group_size:-default}_${layout:-classic}"
options=(--yes --address www.example.org)
[ -n "$group_size" ] && options+=(--group-size "$group_size")
[ -n "$layout" ] && options+=(--layout "$layout")
if [ "$reuse" = 1 ] && [ -f "$run/htm_out/index.htm" ]; then
  echo "reusing the document base in $run"
else
  rm -rf "$run"
  mkdir -p "$run"
  cp -r "$corpus" "$run/txt_in"
  echo "docbase ${options[*]} on $(ls "$corpus" | wc -l) texts ($size MB)"
  start=$(date +%s%N)
  SOURCE_DATE_EPOCH=1700000000 "$program" -C "$run" "${options[@]}" \
    >"$run/console.log"
  echo "run: $((($(date +%s%N) - start) / 1000000)) ms"
fi
out="$run/htm_out"
groups=$(ls "$out" | grep -c '^i_[0-9]*\.htm$')
echo "htm_out: $(du -sm "$out" | cut -f1) MB, $groups word-index and" \
     "$groups search pages"

# (sed, not head: with pipefail a writer cut off by head fails the script)
annotated="$(ls -S "$out"/page_*.htm | sed -n 1p)"
word="$(grep -o -m1 ' id *= *"id[0-9]*"' "$annotated" |
        sed -n '1s/.*"\(id[0-9]*\)"/\1/p')"
pages=("$(basename "$annotated")#$word" index.htm)
if [ "$kinds" = 1 ]; then
  # The largest of each kind (ls -S: by size, largest first).
  largest() { (cd "$out" && ls -S $1 2>/dev/null | sed -n 1p) || true; }
  for pattern in 'index_*.htm' 'i_*.htm' 's_*.htm'; do
    page="$(largest "$pattern")"
    [ -n "$page" ] && pages+=("$page")
  done
  pages+=(files_list.htm)
else
  if [ "$all" = 1 ]; then
    numbers=$(seq 1 "$groups")
  else
    numbers=$(printf '%s\n' 1 $(((groups + 1) / 2)) "$groups" | uniq)
  fi
  for kind in i s; do
    for n in $numbers; do pages+=("${kind}_$n.htm"); done
  done
fi
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
for name in chromium firefox; do
  [ "$browser" = both ] || [ "$browser" = "$name" ] || continue
  echo "$name (headless), load event and the next frame:"
  NODE_PATH="$playwright/node_modules:$puppeteer/node_modules" \
    node "$repo/bench/page_load_times.js" "$out" "$timeout" "$repeat" "$mode" \
      "$name" "${pages[@]}"
done
