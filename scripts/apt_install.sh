#!/usr/bin/env bash
# Installs Debian packages with apt-get, as root, without questions:
# scripts/apt_install.sh PACKAGE... (used by the install_*_deps scripts).
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "installing $* needs root" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y "$@"
