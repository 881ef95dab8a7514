#!/usr/bin/env bash
# Runs node with the given arguments, for the checks of the modern layout's
# stylesheet and script; exits 77 (skipped) where node is not installed.
#   node_test.sh NODE_ARGUMENTS...
set -euo pipefail
if ! command -v node >/dev/null; then
  echo "node is not installed: skipped"
  exit 77
fi
exec node "$@"
