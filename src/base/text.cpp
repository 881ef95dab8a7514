#include "base/text.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace docbase {

std::string ToLowerAscii(std::string_view text) {
  std::string lower(text);
  LowerAsciiInPlace(&lower);
  return lower;
}

void LowerAsciiInPlace(std::string* text) {
  for (char& c : *text) c = ToLowerAscii(c);
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? text.substr(0, 0)
                                       : text.substr(0, end + 1);
}

std::string_view TrimLeadingBlanks(std::string_view text) {
  size_t begin = text.find_first_not_of(' ');
  return begin == std::string_view::npos ? text.substr(text.size())
                                         : text.substr(begin);
}

std::string_view TrimBlanks(std::string_view text) {
  return TrimLeadingBlanks(TrimTrailingBlanks(text));
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

size_t FindIgnoreCase(std::string_view text, std::string_view part) {
  if (part.empty()) return 0;
  if (part.size() > text.size()) return std::string_view::npos;
  const auto same = [](char a, char b) {
    return ToLowerAscii(a) == ToLowerAscii(b);
  };
  const char first = ToLowerAscii(part.front());
  if (first < 'a' || first > 'z') {
    // The first byte is no letter, so it matches only itself (most parts
    // looked for start with "<" or "."): memchr finds the places to try,
    // far faster than a comparison at every byte.
    const size_t last = text.size() - part.size();
    for (size_t at = 0; at <= last; ++at) {
      const void* found = std::memchr(text.data() + at, part.front(),
                                      last - at + 1);
      if (found == nullptr) break;
      at = static_cast<size_t>(static_cast<const char*>(found) - text.data());
      if (std::equal(part.begin() + 1, part.end(), text.begin() + at + 1,
                     same)) {
        return at;
      }
    }
    return std::string_view::npos;
  }
  auto it = std::search(
      text.begin(), text.end(), part.begin(), part.end(),
      same);
  return it == text.end() ? std::string_view::npos
                          : static_cast<size_t>(it - text.begin());
}

bool ContainsIgnoreCase(std::string_view text, std::string_view lower_part) {
  return FindIgnoreCase(text, lower_part) != std::string_view::npos;
}

std::string SignedDecimal(int64_t value) {
  std::string digits = std::to_string(value);
  return value < 0 ? digits : " " + digits;
}

std::string BlankPadded(int64_t value, size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() >= width) return digits;
  return std::string(width - digits.size(), ' ') + digits;
}

std::string ZeroPadded(uint64_t value, size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() >= width) return digits;
  return std::string(width - digits.size(), '0') + digits;
}

bool ParseCount(std::string_view text, uint64_t* value) {
  text = TrimBlanks(text);
  if (text.empty()) return false;
  auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace docbase
