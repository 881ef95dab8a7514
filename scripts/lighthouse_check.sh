#!/usr/bin/env bash
# Lighthouse (mobile) on the largest page of each kind of a modern document
# base: the front page, a main-index page, a word-index page, a search page,
# an annotated page and the contents page, served gzip-compressed from
# 127.0.0.1 by bench/lighthouse/serve_gzip.js. Prints the performance,
# accessibility and best-practices scores of each page; the reports are
# kept in the work folder it names. Slow (about half a minute a page), so
# not part of the tests.
#   lighthouse_check.sh [TEXTS_FOLDER]
# Without a folder, the 10 MB corpus of bench/make_real_corpus.py is made.
# Uses build/docbase (or $BUILD_DIR/docbase), the system's Chromium and the
# Lighthouse pinned in bench/lighthouse/ (installed here when missing).
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
program="$repo/${BUILD_DIR:-build}/docbase"
chromium="${CHROMIUM:-/usr/bin/chromium}"
port="${PORT:-8753}"
[ -x "$program" ] || { echo "build docbase first: $program"; exit 1; }

tools="$repo/bench/lighthouse"
if [ ! -d "$tools/node_modules/lighthouse" ]; then
  (cd "$tools" && npm ci --no-audit --no-fund)
fi

work="$(mktemp -d /tmp/docbase_lighthouse_XXXXXX)"
if [ $# -ge 1 ]; then
  cp -rL "$1" "$work/txt_in"
else
  python3 "$repo/bench/make_real_corpus.py" "$work/txt_in" 10 >/dev/null
fi
"$program" -C "$work" --yes --address www.example.org --layout modern \
  >"$work/run.log"
out="$work/htm_out"
echo "document base: $(du -sb "$out" | cut -f1) bytes from" \
  "$(du -sb "$work/txt_in" | cut -f1) bytes of texts"

node "$tools/serve_gzip.js" "$out" "$port" >"$work/server.log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  grep -q listening "$work/server.log" && break
  sleep 0.1
done

# awk reads the whole listing: a reader that stopped at the first match
# would end ls with SIGPIPE, which pipefail makes fatal in a large folder.
largest() { ls -S "$out" | awk -v re="^$1\$" '!found && $0 ~ re { print; found = 1 }'; }
printf '%-32s %11s %13s %14s\n' page performance accessibility best-practices
for pattern in 'index\.htm' 'index_[0-9]+\.htm' 'i_[0-9]+\.htm' 's_[0-9]+\.htm' \
               'page_.*\.htm' 'files_list\.htm'; do
  name="$(largest "$pattern")"
  report="$work/${name%.htm}.json"
  node "$tools/node_modules/lighthouse/cli/index.js" \
    "http://127.0.0.1:$port/$name" --quiet --output=json --output-path="$report" \
    --only-categories=performance,accessibility,best-practices \
    --chrome-path="$chromium" \
    --chrome-flags="--headless=new --no-sandbox --disable-gpu --disable-background-networking --disable-component-update --disable-sync --disable-quic --no-first-run" \
    >"$work/${name%.htm}.log" 2>&1 || { echo "$name: lighthouse failed, see $work"; continue; }
  node -e '
    const report = require(process.argv[1]);
    const score = (id) => Math.round(report.categories[id].score * 100);
    console.log(process.argv[2].padEnd(32) +
        String(score("performance")).padStart(12) +
        String(score("accessibility")).padStart(14) +
        String(score("best-practices")).padStart(15));
    for (const id of ["performance", "accessibility", "best-practices"]) {
      for (const ref of report.categories[id].auditRefs) {
        const audit = report.audits[ref.id];
        if (ref.weight > 0 && audit.score !== null && audit.score < 1) {
          console.log("    " + id + ": " + ref.id + " " + audit.score +
                      (audit.displayValue ? " (" + audit.displayValue + ")" : ""));
        }
      }
    }' "$report" "$name ($(( $(stat -c %s "$out/$name") / 1024 )) KiB)"
done
echo "reports: $work"
