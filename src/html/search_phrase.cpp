#include "html/search_phrase.h"

#include <array>
#include <cmath>

namespace docbase {
namespace {

// One slot of the draw: a blank and the word after it, taken from the
// first blank at or after the drawn position; empty when that blank lies
// beyond the draw limit or no blank closes the word.
std::string_view DrawSlot(std::string_view phrase_words, size_t draw_limit,
                          SplitMix64& random) {
  double r = random.NextUnit();
  size_t start = static_cast<size_t>(
      std::floor(r * static_cast<double>(draw_limit)));  // 1-based position
  if (start < 1) start = 1;
  size_t blank = phrase_words.find(' ', start - 1);
  if (blank == std::string_view::npos || blank + 1 > draw_limit) return {};
  size_t end = phrase_words.find(' ', blank + 1);
  if (end == std::string_view::npos) return {};
  return phrase_words.substr(blank, end - blank);
}

}  // namespace

std::string SearchPhrase(std::string_view phrase_words, int64_t word_count,
                         size_t draw_limit, SplitMix64& random) {
  if (word_count <= kPhraseSlots) return std::string(phrase_words);

  std::array<std::string_view, kPhraseSlots> slots;  // into phrase_words
  for (std::string_view& slot : slots) {
    slot = DrawSlot(phrase_words, draw_limit, random);
  }
  // A word drawn twice is kept in its first slot only.
  for (size_t i = 0; i + 1 < slots.size(); ++i) {
    for (size_t j = i + 1; j < slots.size(); ++j) {
      if (slots[j] == slots[i]) slots[j] = {};
    }
  }
  std::string phrase;
  for (std::string_view slot : slots) phrase += slot;
  return phrase;
}

}  // namespace docbase
