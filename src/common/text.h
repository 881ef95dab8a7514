// Byte-string helpers shared by every phase. Text is bytes: only the ASCII
// letters change case, a blank is byte 32 only, and trimming removes blanks
// only (never tabs).
#pragma once

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
// The word id of a 0-based position: "id" + 8 zero-padded digits.
std::string WordId(uint64_t number);

// Parses an unsigned decimal number after optional blanks; returns false
// when `text` (trimmed of blanks) is not all digits or is empty.
bool ParseCount(std::string_view text, uint64_t* value);

}  // namespace docbase
