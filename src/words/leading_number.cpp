#include "words/leading_number.h"

#include <charconv>
#include <cstdlib>
#include <string>

namespace docbase {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The index of the first byte at or after `index` that is not a digit.
size_t SkipDigits(std::string_view text, size_t index) {
  while (index < text.size() && IsDigit(text[index])) ++index;
  return index;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  size_t index = text.find_first_not_of(' ');
  if (index == std::string_view::npos) return 0;
  bool negative = false;
  if (text[index] == '+' || text[index] == '-') {
    negative = text[index] == '-';
    ++index;
  }
  const size_t unsigned_start = index;
  size_t end = SkipDigits(text, index);
  size_t digit_count = end - index;
  if (end < text.size() && text[end] == '.') {
    size_t fraction_end = SkipDigits(text, end + 1);
    digit_count += fraction_end - (end + 1);
    end = fraction_end;
  }
  if (digit_count == 0) return 0;  // no number starts here
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t exponent = end + 1;
    if (exponent < text.size() &&
        (text[exponent] == '+' || text[exponent] == '-')) {
      ++exponent;
    }
    size_t exponent_end = SkipDigits(text, exponent);
    if (exponent_end > exponent) end = exponent_end;  // else "e" is not part
  }

  // The extent is now plain ASCII digits, point and exponent, which
  // from_chars reads without regard to the locale.
  std::string_view number = text.substr(unsigned_start, end - unsigned_start);
  double value = 0;
  auto [stop, error] =
      std::from_chars(number.data(), number.data() + number.size(), value,
                      std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    // Overflow or underflow: strtod gives HUGE_VAL or a value near 0.
    value = std::strtod(std::string(number).c_str(), nullptr);
  }
  return negative ? -value : value;
}

}  // namespace docbase
