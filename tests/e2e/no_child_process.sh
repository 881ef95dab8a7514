#!/usr/bin/env bash
# Runs docbase under strace on a corpus of hostile file names and contents
# and checks that the whole run makes exactly one execve, the program's
# own: no shell, no command, nothing started whatever the names hold.
# Usage: no_child_process.sh DOCBASE_BINARY. Exit 77 (skipped) where strace
# is missing or may not trace (scripts/install_test_deps.sh installs it).
set -euo pipefail
binary="$(realpath "$1")"

if ! command -v strace >/dev/null; then
  echo "strace is not installed" >&2
  exit 77
fi
if ! strace -qq -o /dev/null true 2>/dev/null; then
  echo "strace may not trace here" >&2
  exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
base="$work/base"
mkdir -p "$base/txt_in"
in="$base/txt_in"
# The hostile sets of the comparison of builds, written by their one script.
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
for kind in names nul cr; do
  python3 "$scripts/make_adversarial_inputs.py" "$kind" "$in"
done

# LeakSanitizer cannot work under ptrace; a sanitized build runs here
# without it (the rest of the suite checks leaks).
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

log="$work/execve.log"
status=0
(cd "$base" && printf '1\n1\n1\n1\nwww.example.org\n' |
   strace -f -qq -e trace=execve,execveat -o "$log" "$binary" \
       >"$work/out.txt" 2>"$work/err.txt") || status=$?

fail() {
  echo "no_child_process: $*" >&2
  echo "---- strace log:" >&2
  cat "$log" >&2
  echo "---- run output (tail):" >&2
  tail -20 "$work/out.txt" >&2
  exit 1
}

[ "$status" -eq 0 ] || fail "the run ended with status $status"
grep -q 'Indexing is done.' "$work/out.txt" || fail "the run did not finish"
calls="$(grep -cE 'execve(at)?\(' "$log" || true)"
[ "$calls" -eq 1 ] || fail "$calls execve calls, expected exactly one"
grep -qF "execve(\"$binary\"" "$log" || fail "the one execve is not the program's"
if find "$work" -name 'pwned*' | grep -q .; then
  fail "a name or a content was run as a command"
fi
echo "no_child_process: one execve, the program's own"
