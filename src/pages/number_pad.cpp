#include "pages/number_pad.h"

#include "base/text.h"

namespace docbase {

std::string NumberPadForCount(int64_t page_count) {
  if (page_count < 2) return {};
  // The widest pad is eight digits; larger counts keep it.
  constexpr size_t kWidestPad = 8;
  size_t width = 1 + std::to_string(page_count - 1).size();
  return std::string(width < kWidestPad ? width : kWidestPad, '0');
}

}  // namespace docbase
