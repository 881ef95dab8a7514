#!/usr/bin/env bash
# How long headless Firefox takes to open pages of a finished document
# base. Each PAGE (a fragment such as page_02.htm#id00000012 opens it at a
# word) is loaded in a frame of a small timing page, in a browser started
# for it (`firefox --headless --screenshot`, with a fresh profile whose
# console goes to standard output); the timing page prints the time from
# making the frame to its load event and the next frame drawn. The median
# of ROUNDS loads (default 3) is shown; a load that has not ended within
# TIMEOUT seconds (default 120) counts as not loaded.
#
#   bench/firefox_page_load.sh HTM_OUT [--rounds N] [--timeout S] PAGE...
set -euo pipefail
folder="$(cd "$1" && pwd)"
shift
rounds=3
timeout=120
pages=()
while [ $# -gt 0 ]; do
  case "$1" in
    --rounds) rounds="$2"; shift 2 ;;
    --timeout) timeout="$2"; shift 2 ;;
    *) pages+=("$1"); shift ;;
  esac
done
firefox="$(command -v firefox-esr || command -v firefox)"
scratch="$(mktemp -d /tmp/docbase_firefox_XXXXXX)"
trap 'rm -rf "$scratch"' EXIT
cat >"$scratch/timer.htm" <<'HTML'
<!DOCTYPE html><title>timer</title><body style="margin:0">
<script>
var frame = document.createElement('iframe');
frame.style.cssText = 'width:1280px;height:900px;border:0';
var start = performance.now();
frame.onload = function () {
  requestAnimationFrame(function () { setTimeout(function () {
    console.log('DOCBASE_LOAD_MS ' + Math.round(performance.now() - start));
  }, 0); });
};
frame.src = decodeURIComponent(location.search.slice(1));
document.body.appendChild(frame);
</script>
HTML

one_load() {  # URL -> milliseconds, or "inf"
  local profile="$scratch/profile"
  rm -rf "$profile"
  mkdir -p "$profile"
  echo 'user_pref("devtools.console.stdout.content", true);' >"$profile/user.js"
  local url="file://$scratch/timer.htm?${1//#/%23}" ms
  ms="$(timeout "$timeout" "$firefox" --headless --no-remote \
          --profile "$profile" --screenshot "$scratch/shot.png" "$url" 2>&1 |
        grep -a -o 'DOCBASE_LOAD_MS [0-9]*' | sed -n '1s/.* //p' || true)"
  echo "${ms:-inf}"
}

printf '%-40s %9s %9s %s\n' page "size MB" "median s" "(all, s)"
for page in "${pages[@]}"; do
  runs=()
  for ((r = 0; r < rounds; ++r)); do runs+=("$(one_load "file://$folder/$page")"); done
  median="$(printf '%s\n' "${runs[@]}" | sort -g | sed -n "$(( (rounds + 1) / 2 ))p")"
  shown() { [ "$1" = inf ] && echo "> $timeout" || awk -v m="$1" 'BEGIN { printf "%.2f\n", m / 1000 }'; }
  all="$(for r in "${runs[@]}"; do shown "$r"; done | paste -sd' ')"
  printf '%-40s %9.2f %9s (%s)\n' "$page" \
    "$(awk -v s="$(stat -c %s "$folder/${page%%#*}")" 'BEGIN { print s / 1e6 }')" \
    "$(shown "$median")" "$all"
done
