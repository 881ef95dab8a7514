#include "words/word_ids.h"

#include <algorithm>
#include <numeric>

#include "common/text.h"
#include "words/table_order.h"

namespace docbase {

std::string WordIds::Text(uint32_t word) const {
  return WordId(number_of_word[word]);
}

WordIds NumberWords(const WordCensus& census) {
  const Vocabulary& vocabulary = census.vocabulary;
  const size_t words = vocabulary.word_count();
  WordIds ids;
  ids.word_at_rank.resize(words);
  std::iota(ids.word_at_rank.begin(), ids.word_at_rank.end(), 0u);
  std::sort(ids.word_at_rank.begin(), ids.word_at_rank.end(),
            [&](uint32_t a, uint32_t b) {
              return LowerFieldLess(
                  vocabulary.spelling(vocabulary.first_spelling(a)),
                  vocabulary.spelling(vocabulary.first_spelling(b)));
            });
  ids.rank_of_word.resize(words);
  ids.number_of_word.resize(words);
  uint64_t position = 0;
  for (uint32_t rank = 0; rank < words; ++rank) {
    const uint32_t word = ids.word_at_rank[rank];
    ids.rank_of_word[word] = rank;
    ids.number_of_word[word] = position;
    position += census.word_counts[word];
  }
  return ids;
}

}  // namespace docbase
