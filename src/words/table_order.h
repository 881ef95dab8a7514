// The orders that decide the word ids and the occurrence numbers, and with
// them every id and anchor of the output. A word compares byte by byte as
// if a double quote (0x22) followed its last byte, so "abc" sorts after
// "abc!" but before "abcd". A column compares as a number while it fits 6 characters;
// past 999,999 it compares as its blank-padded text, so 1000045 sorts
// before 100005.
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
