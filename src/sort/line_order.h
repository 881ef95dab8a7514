// The byte order of the file sort (unsigned bytes, a line before its longer
// continuations), made cheap for lines that share a long common beginning,
// as the lines of one word table do ("page_00..., "99999...): the 8 bytes
// after the shared beginning are read once into a number (the key), so most
// comparisons are one comparison of two numbers, and only lines whose keys
// are equal compare their remaining bytes.
//
// Precondition of CompareKeyed: both lines begin with the same `shared`
// bytes, and each key is PrefixKey of its line at `shared`.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace docbase {

// Bytes `offset` .. `offset` + 7 of `line` as a big-endian number; bytes
// past the end of the line count as zero.
inline uint64_t PrefixKey(std::string_view line, size_t offset) {
  unsigned char bytes[8] = {};
  if (offset < line.size()) {
    std::memcpy(bytes, line.data() + offset,
                std::min<size_t>(8, line.size() - offset));
  }
  uint64_t key = 0;
  for (unsigned char byte : bytes) key = key << 8 | byte;
  return key;
}

// <0, 0 or >0 as `a` sorts before, with or after `b`.
inline int CompareKeyed(uint64_t key_a, std::string_view a, uint64_t key_b,
                        std::string_view b, size_t shared) {
  if (key_a != key_b) return key_a < key_b ? -1 : 1;
  // Equal keys: the lines agree up to the shorter one's end or up to
  // shared + 8 (a zero byte and the end of a line give equal keys, so a
  // shorter line is settled by the lengths).
  size_t from = shared + 8;
  if (a.size() <= from || b.size() <= from) {
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
  }
  return a.substr(from).compare(b.substr(from));
}

// The number of bytes at the beginning of `a` and `b` that are equal.
inline size_t SharedLength(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  size_t i = 0;
  while (i < n && a[i] == b[i]) ++i;
  return i;
}

}  // namespace docbase
