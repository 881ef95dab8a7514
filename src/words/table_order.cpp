#include "words/table_order.h"

#include <algorithm>
#include <string>

#include "common/text.h"

namespace docbase {

bool FieldLess(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    if (a[i] != b[i]) {
      return static_cast<unsigned char>(a[i]) <
             static_cast<unsigned char>(b[i]);
    }
  }
  if (a.size() == b.size()) return false;
  // The shorter field goes on with its closing quote.
  if (a.size() < b.size()) return '"' < static_cast<unsigned char>(b[common]);
  return static_cast<unsigned char>(a[common]) < '"';
}

bool ColumnLess(uint32_t a, uint32_t b) {
  constexpr uint32_t kPaddedLimit = 1000000;  // 6 characters
  if (a < kPaddedLimit && b < kPaddedLimit) return a < b;
  return FieldLess(BlankPadded(a, 6), BlankPadded(b, 6));
}

}  // namespace docbase
