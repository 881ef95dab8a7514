// Byte-string helpers shared by every phase. Text is bytes: only the ASCII
// letters change case, a blank is byte 32 only, and trimming removes blanks
// only (never tabs).
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace docbase {

inline char ToLowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}
std::string ToLowerAscii(std::string_view text);
void LowerAsciiInPlace(std::string* text);

std::string_view TrimBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);
std::string_view TrimLeadingBlanks(std::string_view text);

bool Contains(std::string_view text, std::string_view part);
// Whether `text`, lower-cased, contains `lower_part` (already lower case).
bool ContainsIgnoreCase(std::string_view text, std::string_view lower_part);
// Position of the first `part` in `text` with ASCII letter case ignored, or
// npos.
size_t FindIgnoreCase(std::string_view text, std::string_view part);

// "% d": a leading blank for a value that is not negative (" 4", "-3").
std::string SignedDecimal(int64_t value);
// Right-aligned in `width` characters, padded with blanks; longer numbers
// are written in full.
std::string BlankPadded(int64_t value, size_t width);
// Right-aligned in `width` digits, padded with zeros; longer numbers are
// written in full.
std::string ZeroPadded(uint64_t value, size_t width);

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

// Parses an unsigned decimal number after optional blanks; returns false
// when `text` (trimmed of blanks) is not all digits or is empty.
bool ParseCount(std::string_view text, uint64_t* value);

}  // namespace docbase
