#include "words/vocabulary.h"

#include <gtest/gtest.h>

#include <string>

namespace docbase {
namespace {

// Enough words to grow both hash tables several times (a new word is
// rehashed while it is being added), some of them long enough for a text
// block of their own.
TEST(VocabularyTest, GrowsWithoutLosingSpellingsOrWords) {
  Vocabulary vocabulary;
  constexpr int kWords = 150000;
  auto text = [](int i, bool upper) {
    std::string word = (upper ? "W" : "w") + std::to_string(i);
    if (i % 50000 == 7) word += std::string(1 << 21, 'x');
    return word;
  };
  for (int i = 0; i < kWords; ++i) {
    uint32_t lower = 0, upper = 0;
    ASSERT_TRUE(vocabulary.Intern(text(i, false), &lower).ok());
    ASSERT_TRUE(vocabulary.Intern(text(i, true), &upper).ok());
    ASSERT_EQ(vocabulary.word_of(lower), vocabulary.word_of(upper));
  }
  uint32_t again = 0, dropped = 0;
  ASSERT_TRUE(vocabulary.Intern("w123", &again).ok());
  ASSERT_TRUE(vocabulary.Intern("A&NBSP;b", &dropped).ok());
  vocabulary.Freeze();
  EXPECT_EQ(vocabulary.spelling_count(), 2u * kWords + 1);
  EXPECT_EQ(vocabulary.word_count(), static_cast<size_t>(kWords));
  EXPECT_EQ(again, 2u * 123);
  EXPECT_EQ(vocabulary.word_of(dropped), Vocabulary::kNoWord);
  for (int i = 0; i < kWords; i += 997) {
    EXPECT_EQ(vocabulary.spelling(2 * i), text(i, false));
    EXPECT_EQ(vocabulary.spelling(2 * i + 1), text(i, true));
    EXPECT_EQ(vocabulary.word(vocabulary.word_of(2 * i + 1)), text(i, false));
  }
}

}  // namespace
}  // namespace docbase
