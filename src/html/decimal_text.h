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

// A word id in place: "id" and the number in at least 8 digits, zeros in
// front.
class WordIdText {
 public:
  explicit WordIdText(uint64_t number) {
    text_[0] = 'i';
    text_[1] = 'd';
    char digits[20];
    size_t count = static_cast<size_t>(
        std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
    size_ = 2;
    for (size_t pad = count; pad < 8; ++pad) text_[size_++] = '0';
    for (size_t i = 0; i < count; ++i) text_[size_++] = digits[i];
  }
  std::string_view view() const { return {text_, size_}; }

 private:
  char text_[30];
  size_t size_;
};

}  // namespace docbase
