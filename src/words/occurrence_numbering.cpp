#include "words/occurrence_numbering.h"

#include <algorithm>
#include <numeric>

#include "words/table_order.h"

namespace docbase {

uint32_t OccurrenceNumbering::Next(uint32_t word) {
  if (word >= states_.size()) states_.resize(word + 1);
  return ++states_[word].last_k;
}

std::vector<uint32_t> OccurrenceNumbering::Counts(size_t words) const {
  std::vector<uint32_t> counts(words, 0);
  for (size_t word = 0; word < words && word < states_.size(); ++word) {
    counts[word] = states_[word].last_k;
  }
  return counts;
}

void OccurrenceNumbering::NumberLine(const Vocabulary& vocabulary,
                                     std::vector<LineHit>* hits) {
  std::vector<LineHit>& line = *hits;
  if (line.size() == 1) {
    line[0].k = Next(line[0].word);
    return;
  }
  order_.resize(line.size());
  std::iota(order_.begin(), order_.end(), 0u);
  std::sort(order_.begin(), order_.end(), [&](uint32_t a, uint32_t b) {
    const LineHit& x = line[a];
    const LineHit& y = line[b];
    if (x.word != y.word) return x.word < y.word;
    if (x.spelling != y.spelling) {
      return FieldLess(vocabulary.spelling(x.spelling),
                       vocabulary.spelling(y.spelling));
    }
    return ColumnLess(x.column, y.column);
  });
  for (uint32_t index : order_) line[index].k = Next(line[index].word);
}

}  // namespace docbase
