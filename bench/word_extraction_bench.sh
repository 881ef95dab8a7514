#!/bin/sh
# Builds and runs the word extraction benchmark against the library of an
# existing build (default: ./build, made with the usual cmake commands).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" -j2 --target docbase_test_support >/dev/null
${CXX:-g++} -std=c++20 -O2 -Wall -Wextra -I"$root/src" -I"$build/generated" \
  "$root/bench/word_extraction_bench.cpp" \
  "$build/libdocbase_test_support.a" "$build/libdocbase_lib.a" -lpthread \
  -o "$build/word_extraction_bench"
corpus="$build/word_extraction_corpus"
[ -d "$corpus" ] || python3 "$root/bench/make_corpus.py" "$corpus" 10 1000
"$build/word_extraction_bench" "$corpus"
