#include "words/word_ids.h"

#include <algorithm>
#include <numeric>

#include "base/text.h"
#include "words/table_order.h"

namespace docbase {

namespace {

// A word with the first 8 bytes of its field text (lower-cased, then the
// closing quote, then zeros) in one number, so that most comparisons of the
// sort need no look at the text itself.
struct SortKey {
  uint64_t prefix;
  uint32_t word;
};

uint64_t FieldPrefix(std::string_view text) {
  uint64_t prefix = 0;
  for (size_t i = 0; i < 8; ++i) {
    unsigned char byte = 0;
    if (i < text.size()) {
      byte = static_cast<unsigned char>(ToLowerAscii(text[i]));
    } else if (i == text.size()) {
      byte = '"';
    }
    prefix = (prefix << 8) | byte;
  }
  return prefix;
}

}  // namespace

WordIds NumberWords(const WordCensus& census) {
  const Vocabulary& vocabulary = census.vocabulary;
  const size_t words = vocabulary.word_count();
  auto text = [&](uint32_t word) {
    return vocabulary.spelling(vocabulary.first_spelling(word));
  };
  std::vector<SortKey> keys(words);
  for (uint32_t word = 0; word < words; ++word) {
    keys[word] = SortKey{FieldPrefix(text(word)), word};
  }
  // Equal prefixes mean two texts of 8 bytes or more: a text that ends
  // sooner has its closing quote in the prefix, which no other text has
  // at that place.
  std::sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    return LowerFieldLess(text(a.word), text(b.word));
  });
  WordIds ids;
  ids.rank_of_word.resize(words);
  ids.number_of_word.resize(words);
  uint64_t position = 0;
  for (uint32_t rank = 0; rank < words; ++rank) {
    const uint32_t word = keys[rank].word;
    ids.rank_of_word[word] = rank;
    ids.number_of_word[word] = static_cast<uint32_t>(position);
    position += census.word_counts[word];
  }
  return ids;
}

}  // namespace docbase
