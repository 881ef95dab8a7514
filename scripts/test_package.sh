#!/usr/bin/env bash
# Checks docbase as it is installed: the man page renders without warnings,
# a build without the test tools (-DDOCBASE_BUILD_TESTS=OFF, no GoogleTest)
# installs the program and the man page, and its Debian package (cpack -G
# DEB) installs with dpkg, runs from the installed path and is removed
# again, so the machine is left as it was. Installing the package needs
# root; without it the package is only built and looked into.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${BUILD_DIR:-build-package}"
jobs="${JOBS:-2}"

fail() {
  echo "test_package: $*" >&2
  exit 1
}

work=$(mktemp -d "${TMPDIR:-/tmp}/docbase_package_XXXXXX")
installed_here=0
cleanup() {
  if [ "$installed_here" = 1 ]; then dpkg -r docbase >/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "man page: groff -ww -man -z docs/docbase.1"
warnings=$(groff -ww -man -z docs/docbase.1 2>&1)
[ -z "$warnings" ] || fail "the man page has warnings:"$'\n'"$warnings"

echo "build without tests in $build_dir"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
      -DDOCBASE_BUILD_TESTS=OFF >/dev/null
if grep -q '^GTest_DIR:' "$build_dir/CMakeCache.txt"; then
  fail "a build without tests still looked for GoogleTest"
fi
cmake --build "$build_dir" -j"$jobs" >/dev/null

DESTDIR="$work/stage" cmake --install "$build_dir" --prefix /usr >/dev/null
[ -x "$work/stage/usr/bin/docbase" ] || fail "cmake --install: no bin/docbase"
cmp -s docs/docbase.1 "$work/stage/usr/share/man/man1/docbase.1" ||
  fail "cmake --install: no share/man/man1/docbase.1"
# The man page is written by hand: its title line names the version.
version_line=$("$work/stage/usr/bin/docbase" --version | head -n 1)
grep -q "^\.TH DOCBASE 1 .* \"$version_line\" " docs/docbase.1 ||
  fail "docs/docbase.1: the .TH line does not name '$version_line'"

echo "package: cpack -G DEB"
(cd "$build_dir" && rm -f docbase_*.deb && cpack -G DEB >/dev/null)
debs=("$build_dir"/docbase_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no package"
deb="${debs[0]}"
contents=$(dpkg-deb -c "$deb")
grep -q ' \./usr/bin/docbase$' <<<"$contents" || fail "package lacks usr/bin/docbase"
grep -q ' \./usr/share/man/man1/docbase\.1$' <<<"$contents" ||
  fail "package lacks the man page"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libc6' <<<"$depends" && grep -q 'libstdc++6' <<<"$depends" ||
  fail "package dependencies not read from the binary: '$depends'"
echo "$(basename "$deb"): Depends: $depends"

if [ "$(id -u)" -ne 0 ]; then
  echo "not root: the package was built but not installed"
  exit 0
fi
if dpkg-query -W -f='${Status}' docbase 2>/dev/null | grep -q 'ok installed'; then
  fail "a docbase package is installed already; remove it first (dpkg -r docbase)"
fi
installed_here=1
dpkg -i "$deb" >/dev/null

version=$(/usr/bin/docbase --version)
grep -q '^docbase [0-9]' <<<"$version" || fail "installed --version: '$version'"
grep -q '^search host: ' <<<"$version" || fail "installed --version: '$version'"

# A one-file run from the installed path, given its folder and answers on
# the command line, with standard input closed.
mkdir -p "$work/base/txt_in"
printf 'one short text for the installed program\n' >"$work/base/txt_in/one.txt"
status=0
(cd "$work" && /usr/bin/docbase -C base --yes --address '' \
   >"$work/console.log" <&-) || status=$?
[ "$status" = 0 ] || fail "installed run ended with status $status"
grep -q 'processed 100%' "$work/console.log" || fail "installed run did not finish"
[ -f "$work/base/htm_out/index.htm" ] || fail "installed run made no index.htm"

dpkg -r docbase >/dev/null
installed_here=0
if dpkg-query -W -f='${Status}' docbase 2>/dev/null | grep -q 'ok installed'; then
  fail "dpkg -r left the package installed"
fi
[ ! -e /usr/bin/docbase ] || fail "dpkg -r left /usr/bin/docbase"
echo "package test: installed, ran and removed $(basename "$deb")"
