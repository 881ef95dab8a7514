#include "html/search_phrase.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace docbase {
namespace {

// "w01 w02 ... wNN " as phrase words hold a line of NN words.
std::string NumberedWords(int count) {
  std::string words;
  for (int i = 1; i <= count; ++i) {
    char word[8];
    std::snprintf(word, sizeof word, "w%02d ", i);
    words += word;
  }
  return words;
}

TEST(SearchPhraseTest, UpTo28WordsTakesThemAllWithoutDrawing) {
  SplitMix64 random;
  std::string words = NumberedWords(28);
  EXPECT_EQ(SearchPhrase(words, 28, words.size() - 4, random), words);
  SplitMix64 untouched;
  EXPECT_EQ(random.NextBits(), untouched.NextBits());
}

// 29 words of 3 bytes: draw limit 112. The first 28 draws of splitmix64
// from state 0 give s = floor(r * 112) and so the slots
//   w26 w13 w02 w28 w04 w10 w06 w23 w08 w28 w12 w23 w16 w17
//   w21 w16 w15 w23 w07 w25 w25 w20 w27 w10 w25 w17 w13 w08
// (r = 0.8833 -> s = 98 -> blank at 100 -> " w26", and so on); repeats are
// kept in their first slot only.
TEST(SearchPhraseTest, LongLineDrawsDistinctWordsFromTheRunGenerator) {
  SplitMix64 random;
  std::string words = NumberedWords(29);
  EXPECT_EQ(SearchPhrase(words, 29, 112, random),
            " w26 w13 w02 w28 w04 w10 w06 w23 w08 w12 w16 w17 w21 w15 w07 "
            "w25 w20 w27");
}

TEST(SearchPhraseTest, BlankBeyondTheDrawLimitLeavesTheSlotEmpty) {
  SplitMix64 random;
  // Every drawn position is 1; the first blank (position 5) lies beyond
  // the limit of 2.
  EXPECT_EQ(SearchPhrase("aaaa bbbb ", 29, 2, random), "");
  // A blank within the limit but no closing blank after it: empty too.
  EXPECT_EQ(SearchPhrase("a bbbb", 29, 2, random), "");
  // Within the limit and closed: the one word after the first blank.
  EXPECT_EQ(SearchPhrase("a bb c ", 29, 2, random), " bb");
}

}  // namespace
}  // namespace docbase
