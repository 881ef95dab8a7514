// The search phrase of one line of a search page, built from the line's
// words ("phrase words": each word trimmed of blanks and followed by one
// blank). A line of up to 28 words uses them all; a longer line gets at most
// 28 distinct words drawn with the run's generator, one draw per slot in
// slot order, so the same input always yields the same phrase.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "run/split_mix.h"

namespace docbase {

// Lines of more words than this get a drawn phrase.
inline constexpr int64_t kPhraseSlots = 28;

// `draw_limit` is the length of `phrase_words` before its last word was
// appended; the draw never starts a word after it.
std::string SearchPhrase(std::string_view phrase_words, int64_t word_count,
                         size_t draw_limit, SplitMix64& random);

}  // namespace docbase
