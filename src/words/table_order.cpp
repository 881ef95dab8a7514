#include "words/table_order.h"

#include <algorithm>
#include <string>

#include "base/text.h"

namespace docbase {

namespace {

// The field order of `a` and `b` once each byte has gone through `byte`.
template <typename Byte>
bool FieldLessBy(std::string_view a, std::string_view b, Byte byte) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const unsigned char x = byte(a[i]), y = byte(b[i]);
    if (x != y) return x < y;
  }
  if (a.size() == b.size()) return false;
  // The shorter field goes on with its closing quote.
  if (a.size() < b.size()) return '"' < byte(b[common]);
  return byte(a[common]) < '"';
}

}  // namespace

bool FieldLess(std::string_view a, std::string_view b) {
  return FieldLessBy(a, b,
                     [](char c) { return static_cast<unsigned char>(c); });
}

bool LowerFieldLess(std::string_view a, std::string_view b) {
  return FieldLessBy(
      a, b, [](char c) { return static_cast<unsigned char>(ToLowerAscii(c)); });
}

bool ColumnLess(uint32_t a, uint32_t b) {
  constexpr uint32_t kPaddedLimit = 1000000;  // 6 characters
  if (a < kPaddedLimit && b < kPaddedLimit) return a < b;
  return FieldLess(BlankPadded(a, 6), BlankPadded(b, 6));
}

}  // namespace docbase
