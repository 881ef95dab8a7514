// Reads the number at the start of a text the way a standard decimal
// string-to-number conversion does: leading blanks (byte 32) are skipped,
// then an optional sign, digits with an optional fraction, and an optional
// e/E exponent; the rest of the text is ignored. No hexadecimal, no inf or
// nan. The value is 0 when no number starts there.
#pragma once

#include <string_view>

namespace docbase {

// A number too large for a double gives an infinity of its sign, one too
// small gives 0.
double LeadingNumber(std::string_view text);

}  // namespace docbase
