#!/usr/bin/env bash
# Installs what the hardening tests use beyond the build tools: strace (the
# check that a run starts no process). Does nothing when it is there.
set -euo pipefail
if command -v strace >/dev/null; then
  echo "strace is installed."
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "strace is missing; run this as root to install it." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y strace
