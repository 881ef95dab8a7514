#!/usr/bin/env bash
# Installs what the hardening tests use beyond the build tools: strace (the
# check that a run starts no process). Does nothing when it is there.
set -euo pipefail
cd "$(dirname "$0")"
if ! command -v strace >/dev/null; then
  ./apt_install.sh strace
fi
echo "strace is installed."
