// SameBytes compares two short byte strings (word ids, page names, padded
// numbers: the keys the page writers compare once or twice per record).
// Keys of 8 to 16 bytes are compared as two overlapping words, without the
// library call that costs more than the comparison itself.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace docbase {

inline bool SameBytes(std::string_view a, std::string_view b) {
  const size_t size = a.size();
  if (size != b.size()) return false;
  if (size >= 8 && size <= 16) {
    uint64_t a_head, a_tail, b_head, b_tail;
    std::memcpy(&a_head, a.data(), 8);
    std::memcpy(&a_tail, a.data() + size - 8, 8);
    std::memcpy(&b_head, b.data(), 8);
    std::memcpy(&b_tail, b.data() + size - 8, 8);
    return ((a_head ^ b_head) | (a_tail ^ b_tail)) == 0;
  }
  return a == b;
}

}  // namespace docbase
