// One record of a group's occurrence file wrd_24_G.txt: page, line, column,
// word, word id, occurrence number and next page, as quoted fields. The
// line and column are blank-padded numbers; the occurrence number is kept
// both as stored and as a number.
#pragma once

#include <cstdint>
#include <string_view>

namespace docbase {

struct OccurrenceRecord {
  std::string_view page;
  uint64_t line = 0;
  uint64_t column = 0;
  std::string_view word;
  std::string_view id;
  std::string_view k_text;  // the occurrence number as stored
  uint64_t k = 0;
  std::string_view next;  // empty on the word's last page
};

// Splits `line` (the views point into it). Missing fields are empty and
// numbers that do not parse read as 0.
void ParseOccurrenceRecord(std::string_view line, OccurrenceRecord* record);

}  // namespace docbase
