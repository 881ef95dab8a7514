// DecimalText holds a count or occurrence number in plain decimal in place,
// for the page writers that put a number into nearly every entry they write
// (a std::string per number would cost more than the digits).
#pragma once

#include <charconv>
#include <cstdint>
#include <string_view>

namespace docbase {

class DecimalText {
 public:
  explicit DecimalText(uint64_t value) {
    size_ = static_cast<size_t>(
        std::to_chars(digits_, digits_ + sizeof digits_, value).ptr - digits_);
  }
  std::string_view view() const { return {digits_, size_}; }

 private:
  char digits_[20];  // the longest 64-bit value
  size_t size_;
};

}  // namespace docbase
