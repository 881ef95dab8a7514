// The orders the word tables give their records. A table record is a line
// of quoted fields compared byte by byte, so a field takes part in the
// order as its text followed by the closing double quote: "abc" sorts
// after "abc!" but before "abcd". Numbers are blank-padded, so they compare
// as numbers, until a column needs more than its 6 characters (a line past
// 999,999 bytes): then "1000045" sorts before "100005", and the tables keep
// that order.
#pragma once

#include <cstdint>
#include <string_view>

namespace docbase {

// Whether field text `a` sorts before field text `b`.
bool FieldLess(std::string_view a, std::string_view b);

// The same for the lower-casings of `a` and `b`.
bool LowerFieldLess(std::string_view a, std::string_view b);

// Whether column `a` sorts before column `b` as the tables write them.
bool ColumnLess(uint32_t a, uint32_t b);

}  // namespace docbase
