#include "html/modern/main_index_parts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "base/text.h"

namespace docbase {
namespace {

// `counts[r]`: the occurrences of the word of rank r; the words are given
// in reverse rank order, so that rank and word number differ.
MainIndexParts PlanFor(const std::vector<uint32_t>& counts, int64_t groups) {
  WordCensus census;
  WordIds ids;
  const uint32_t words = static_cast<uint32_t>(counts.size());
  census.word_counts.resize(words);
  ids.rank_of_word.resize(words);
  ids.number_of_word.resize(words);
  uint64_t number = 0;
  for (uint32_t rank = 0; rank < words; ++rank) {
    const uint32_t word = words - 1 - rank;
    census.word_counts[word] = counts[rank];
    ids.rank_of_word[word] = rank;
    ids.number_of_word[word] = static_cast<uint32_t>(number);
    number += counts[rank];
  }
  return MainIndexParts::Plan(census, ids, groups);
}

TEST(MainIndexPartsTest, RareWordsFillPagesByTheirNumber) {
  const MainIndexParts parts =
      PlanFor(std::vector<uint32_t>(2 * MainIndexParts::kWordsPerPart + 1, 1),
              50);
  const uint64_t per_part = MainIndexParts::kWordsPerPart;
  EXPECT_EQ(parts.count(), 3);
  EXPECT_EQ(parts.PartOf("id00000000"), 1);
  EXPECT_EQ(parts.PartOfNumber(per_part - 1), 1);
  EXPECT_EQ(parts.PageOf(WordIdText(per_part).view()), "index_2.htm");
  EXPECT_EQ(parts.PageOf(WordIdText(2 * per_part).view()), "index_3.htm");
}

// A word in many groups has many links: such words close a page sooner,
// and a page always takes at least one word.
TEST(MainIndexPartsTest, FrequentWordsCloseAPageByTheirLinks) {
  const int64_t groups = MainIndexParts::kLinksPerPart / 4;
  // Ranks 0..3 fill a page's links, rank 4 opens the next; rank 5 counts
  // more than the groups, and its links stay bounded by them.
  const MainIndexParts parts =
      PlanFor({100000, 100000, 100000, 100000, 100000, 1000000, 1}, groups);
  EXPECT_EQ(parts.count(), 2);
  EXPECT_EQ(parts.PartOfNumber(399999), 1);
  EXPECT_EQ(parts.PartOfNumber(400000), 2);
  EXPECT_EQ(parts.PartOfNumber(1500000), 2);

  EXPECT_EQ(PlanFor({}, 1).count(), 1);
}

}  // namespace
}  // namespace docbase
