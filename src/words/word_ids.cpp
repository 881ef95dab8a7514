#include "words/word_ids.h"

#include <algorithm>
#include <numeric>
#include <thread>

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

// Fewer words are sorted on one thread: a thread would cost more than it
// saves.
constexpr size_t kHalvesFrom = 1 << 16;

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

WordIds NumberWords(const WordCensus& census, int jobs) {
  const Vocabulary& vocabulary = census.vocabulary;
  const size_t words = vocabulary.word_count();
  auto text = [&](uint32_t word) {
    return vocabulary.spelling(vocabulary.first_spelling(word));
  };
  // Equal prefixes mean two texts of 8 bytes or more: a text that ends
  // sooner has its closing quote in the prefix, which no other text has
  // at that place.
  auto less = [&](const SortKey& a, const SortKey& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    return LowerFieldLess(text(a.word), text(b.word));
  };
  std::vector<SortKey> keys(words);
  auto sort_words = [&](size_t from, size_t to) {
    for (size_t word = from; word < to; ++word) {
      keys[word] = SortKey{FieldPrefix(text(static_cast<uint32_t>(word))),
                           static_cast<uint32_t>(word)};
    }
    std::sort(keys.begin() + from, keys.begin() + to, less);
  };
  if (jobs > 1 && words >= kHalvesFrom) {
    // No two words have the same field text, so the order is total: the
    // halves sorted side by side and merged give the same order.
    std::thread second_half(sort_words, words / 2, words);
    sort_words(0, words / 2);
    second_half.join();
    std::inplace_merge(keys.begin(), keys.begin() + words / 2, keys.end(),
                       less);
  } else {
    sort_words(0, words);
  }
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
