#include "words/page_groups.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace docbase {
namespace {

// A census of pages with these occurrence counts (0: a page without words).
WordCensus CensusOf(std::initializer_list<uint64_t> occurrences) {
  WordCensus census;
  for (uint64_t count : occurrences) {
    PageTally page;
    page.occurrences = count;
    census.pages.push_back(page);
    census.occurrences += count;
  }
  return census;
}

TEST(ModernGroupSizeTest, GroupsHoldAboutTheAimOfOccurrences) {
  // 300 occurrences a page (about 2-3 KB of text): 22,000 / 300 = 73.3,
  // 73 pages a group; the pages without words do not count.
  EXPECT_EQ(ModernGroupSize(CensusOf({300, 0, 300, 300, 0})), 73);
  // 8,000 a page: 22,000 / 8,000 = 2.75, rounded to 3.
  EXPECT_EQ(ModernGroupSize(CensusOf({8'000, 8'000})), 3);
  // Pages larger than the aim still make groups of 2, never 1 (which
  // would put every page into group 1).
  EXPECT_EQ(ModernGroupSize(CensusOf({90'000, 50'000})), 2);
  EXPECT_EQ(ModernGroupSize(CensusOf({})), 2);
  EXPECT_EQ(ModernGroupSize(CensusOf({0, 0})), 2);
}

}  // namespace
}  // namespace docbase
