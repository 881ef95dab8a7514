#!/usr/bin/env bash
# Installs what the tests use beyond the build tools: strace (the check
# that a run starts no process), node and npm, the pinned CSS parser that
# checks the modern stylesheet (tests/assets/package-lock.json, installed
# into tests/assets/node_modules), and the pinned playwright-core and
# axe-core of the reader checks in Chromium (tests/browser/, which drive
# the system's Chromium and never download a browser). Installs only what
# is missing.
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
# npm ci installs exactly what a folder's package-lock.json names; it runs
# when one of the named packages is missing or another version than the
# lock's.
version() { node -p "require('./$1').$2" 2>/dev/null || true; }
install_locked() {  # FOLDER PACKAGE...
  (
    cd "../$1"
    shift
    for package in "$@"; do
      wanted="$(version package-lock.json "packages['node_modules/$package'].version")"
      if [ "$(version "node_modules/$package/package.json" version)" != "$wanted" ]; then
        PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund
        break
      fi
    done
    for package in "$@"; do
      echo "$package $(version "node_modules/$package/package.json" version) is installed."
    done
  )
}
install_locked tests/assets css-tree
install_locked tests/browser playwright-core axe-core
