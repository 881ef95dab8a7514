// OccurrenceNumbering gives every occurrence of a word its occurrence
// number: 1, 2, 3 ... in the order of the word table, which is by page, by
// line, then by the spelling as found (as a table field: "PARIS" before
// "Paris" before "paris"), then by column. Fed the lines of the pages in
// document order, it follows that order with one counter per word; only
// the occurrences of one word on one line can need reordering, so each line
// is put in table order on its own.
#pragma once

#include <cstdint>
#include <vector>

#include "words/vocabulary.h"

namespace docbase {

struct LineHit {
  uint32_t word;
  uint32_t spelling;
  uint32_t column;
  uint32_t k = 0;  // set by NumberLine
};

class OccurrenceNumbering {
 public:
  // Numbers the hits of one line, given in column order. Lines must come
  // in document order.
  void NumberLine(const Vocabulary& vocabulary, std::vector<LineHit>* hits);

  // The number of the last occurrence of `word` numbered so far (0: none).
  uint32_t last_k(uint32_t word) const {
    return word < last_k_.size() ? last_k_[word] : 0;
  }

  // At the end: the number of occurrences of every word (`words` of them),
  // taken out of the numbering.
  std::vector<uint32_t> TakeCounts(size_t words) {
    last_k_.resize(words, 0);
    return std::move(last_k_);
  }

 private:
  uint32_t Next(uint32_t word);

  std::vector<uint32_t> last_k_;  // by word
  std::vector<uint32_t> order_;   // scratch: hits in table order
};

}  // namespace docbase
