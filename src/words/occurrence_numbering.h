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
  // The counter of a word, beside two numbers its caller keeps for the word
  // (extraction: the page it was last counted on, and where): a word's
  // occurrence then costs one look into memory, not two.
  struct WordState {
    uint32_t last_k = 0;  // the last occurrence numbered so far (0: none)
    uint32_t page_stamp = 0;
    uint32_t page_record = 0;
  };

  // Numbers the hits of one line, given in column order. Lines must come
  // in document order.
  void NumberLine(const Vocabulary& vocabulary, std::vector<LineHit>* hits);

  // Precondition: `word` has been numbered.
  WordState& state(uint32_t word) { return states_[word]; }

  // At the end: the number of occurrences of each of the first `words`
  // words.
  std::vector<uint32_t> Counts(size_t words) const;

 private:
  uint32_t Next(uint32_t word);

  std::vector<WordState> states_;  // by word
  std::vector<uint32_t> order_;    // scratch: hits in table order
};

}  // namespace docbase
