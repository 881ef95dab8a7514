// Page numbers are zero-padded to one width per run, so that the names
// page_01.htm .. page_10.htm sort in page order. The width comes from the
// number of pages: one more than the digits of (count - 1), at most 8 (so
// ten pages use two digits and eleven already use three). A count below 2
// has no pad of its own; the caller keeps what it had.
#pragma once

#include <cstdint>
#include <string>

namespace docbase {

// The pad (a string of zeros) for `page_count` pages; empty below 2.
std::string NumberPadForCount(int64_t page_count);

}  // namespace docbase
