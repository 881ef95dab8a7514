#!/usr/bin/env bash
# Opens pages of a finished document base in headless Firefox ESR and prints
# how long each takes: Firefox's screenshot mode (--screenshot) starts the
# browser, loads the page, waits for its load event, draws it and ends.
# From that whole time the time of the same for a tiny page, measured in
# the same round, is taken away, so what is left is the page's own cost:
# loading, layout and the first frame. Driven by bench/page_load_bench.sh.
#
#   firefox_load_times.sh HTM_OUT TIMEOUT_SECONDS ROUNDS PAGE...
#
# A PAGE may carry a fragment (page_02.htm#id00000012). With ROUNDS above 1
# the table gives the median of the rounds.
set -euo pipefail

folder="$1" timeout="$2" rounds="$3"
shift 3
firefox="$(command -v firefox-esr || command -v firefox || true)"
if [ -z "$firefox" ]; then
  echo "needs Firefox (apt-get install firefox-esr)" >&2
  exit 2
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/profile"
printf '<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>t</title></head><body><p>t</p></body></html>\n' \
  >"$scratch/tiny.htm"

# Seconds the screenshot of URL takes, or "timeout".
shot() {
  local start end
  start=$(date +%s%N)
  if ! timeout "$timeout" "$firefox" --headless --no-remote \
       --profile "$scratch/profile" --window-size=1280,900 \
       --screenshot "$scratch/shot.png" "$1" >/dev/null 2>&1; then
    echo timeout
    return
  fi
  end=$(date +%s%N)
  echo "scale=3; ($end - $start) / 1000000000" | bc
}

median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

shot "file://$scratch/tiny.htm" >/dev/null  # the profile's first start
printf '%-34s%9s%10s%10s\n' page 'size MB' 'page s' 'whole s'
for page in "$@"; do
  own=() whole=()
  for ((round = 0; round < rounds; ++round)); do
    base=$(shot "file://$scratch/tiny.htm")
    time=$(shot "file://$folder/$page")
    if [ "$time" = timeout ]; then
      whole+=(9999) own+=(9999)
    else
      whole+=("$time")
      own+=("$(echo "scale=3; t = $time - $base; if (t < 0) t = 0; t" | bc)")
    fi
  done
  size=$(stat -c %s "$folder/${page%%#*}")
  printf '%-34s%9.2f%10.2f%10.2f\n' "$page" "$(echo "scale=2; $size / 1000000" | bc)" \
    "$(printf '%s\n' "${own[@]}" | median)" \
    "$(printf '%s\n' "${whole[@]}" | median)"
done
