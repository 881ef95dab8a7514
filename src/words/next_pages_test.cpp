#include "words/next_pages.h"

#include <gtest/gtest.h>

namespace docbase {
namespace {

TEST(NextPageIndexTest, NextPageInListOrder) {
  NextPageIndex index(2);
  for (const char* page : {"page_01.htm", "page_01.htm", "page_03.htm",
                           "page_04.htm", "page_04.htm"}) {
    index.Add(0, page);
  }
  index.Add(1, "page_02.htm");
  index.Finish();
  // All occurrences on one page share the answer; the last page has none.
  EXPECT_EQ(index.NextPage(0, "page_01.htm"), "page_03.htm");
  EXPECT_EQ(index.NextPage(0, "page_03.htm"), "page_04.htm");
  EXPECT_EQ(index.NextPage(0, "page_04.htm"), "");
  EXPECT_EQ(index.NextPage(1, "page_02.htm"), "");
  // A page the word's list does not hold, or a page nobody holds.
  EXPECT_EQ(index.NextPage(1, "page_01.htm"), "");
  EXPECT_EQ(index.NextPage(0, "page_09.htm"), "");
}

TEST(NextPageIndexTest, UnorderedListAnswersAsTheScanDoes) {
  // The scan passes a smaller page that follows, and looks for the page
  // again further on.
  NextPageIndex index(3);
  for (const char* page : {"b", "a", "b", "c"}) index.Add(0, page);
  for (const char* page : {"b", "a"}) index.Add(1, page);
  for (const char* page : {"c", "a", "c", "b", "d"}) index.Add(2, page);
  index.Finish();
  EXPECT_EQ(index.NextPage(0, "b"), "c");
  EXPECT_EQ(index.NextPage(0, "a"), "b");
  EXPECT_EQ(index.NextPage(0, "c"), "");
  EXPECT_EQ(index.NextPage(1, "b"), "");  // no later "b": end of list
  EXPECT_EQ(index.NextPage(2, "c"), "");  // each "c" is followed by less
  EXPECT_EQ(index.NextPage(2, "a"), "c");
  EXPECT_EQ(index.NextPage(2, "b"), "d");
}

TEST(NextPageIndexTest, AnswersByTheKeysOfTheWords) {
  // Keys chosen by the caller, not rising with the slots.
  NextPageIndex index;
  for (const char* page : {"p1", "p2"}) index.Add(0, 900, page);
  for (const char* page : {"p2", "p3"}) index.Add(1, 7, page);
  index.Add(2, 0x80000000u, "p1");
  index.Add(2, 0x80000000u, "p3");
  index.Finish();
  EXPECT_EQ(index.NextPage(900, "p1"), "p2");
  EXPECT_EQ(index.NextPage(7, "p2"), "p3");
  EXPECT_EQ(index.NextPage(0x80000000u, "p1"), "p3");
  EXPECT_EQ(index.NextPage(0, "p1"), "");  // a slot is not a key here
  uint32_t p2 = index.FindPage("p2");
  EXPECT_EQ(index.PageName(index.NextPageNumber(7, p2)), "p3");
  EXPECT_EQ(index.NextPageNumber(900, p2), NextPageIndex::kNoPage);
  EXPECT_EQ(index.FindPage("p9"), NextPageIndex::kNoPage);
}

}  // namespace
}  // namespace docbase
