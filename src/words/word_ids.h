// Word ids: every lower-cased word gets "id" and an 8-digit number, the
// position its first record would have in the occurrences sorted by word:
// the words are ordered as table fields (their text followed by the closing
// quote, so "abc" comes after "abc!" and before "abcd"), and each word's
// number is the count of the occurrences of the words before it. So the
// first word has id00000000, and a word after one with 5 occurrences is
// numbered 5 higher. Only the distinct words are sorted, never the
// occurrences.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "words/word_census.h"

namespace docbase {

struct WordIds {
  std::vector<uint32_t> rank_of_word;  // position in word-id order
  std::vector<uint32_t> number_of_word;
};

// With `jobs` above 1 a large vocabulary is sorted on two threads; the
// numbers are the same.
WordIds NumberWords(const WordCensus& census, int jobs = 1);

}  // namespace docbase
