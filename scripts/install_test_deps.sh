#!/usr/bin/env bash
# Installs what the tests use beyond the build tools: strace (the check
# that a run starts no process), node and npm, and the pinned CSS parser
# that checks the modern stylesheet (tests/assets/package-lock.json,
# installed into tests/assets/node_modules). Installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")"
need=()
command -v strace >/dev/null || need+=(strace)
command -v node >/dev/null || need+=(nodejs)
command -v npm >/dev/null || need+=(npm)
if [ ${#need[@]} -gt 0 ]; then
  ./apt_install.sh "${need[@]}"
fi
echo "strace and node are installed."
# npm ci installs exactly what package-lock.json names; it runs when the
# installed css-tree is missing or another version than the lock's.
cd ../tests/assets
version() { node -p "require('./$1').$2" 2>/dev/null || true; }
wanted="$(version package-lock.json "packages['node_modules/css-tree'].version")"
if [ "$(version node_modules/css-tree/package.json version)" != "$wanted" ]; then
  npm ci --no-audit --no-fund
fi
echo "css-tree $wanted is installed."
