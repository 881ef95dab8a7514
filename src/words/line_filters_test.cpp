#include "words/line_filters.h"

#include <gtest/gtest.h>

namespace docbase {
namespace {

TEST(LineFiltersTest, NumberedLinkTargetsAboveTwoThousandAreGenerated) {
  EXPECT_TRUE(IsGeneratedLinkLine("<br><a href=\"#2500\">more words</a>"));
  EXPECT_TRUE(IsGeneratedLinkLine("<a href =\"#2001\">x</a>"));
  // The number is read two bytes after "href =", here from the "#".
  EXPECT_FALSE(IsGeneratedLinkLine("<a href = \"#2001\">x</a>"));
  EXPECT_TRUE(IsGeneratedLinkLine("<a href=\"#2000.5\">x</a>"));
  EXPECT_TRUE(IsGeneratedLinkLine("<a href=\"# 3e3\">x</a>"));
  EXPECT_FALSE(IsGeneratedLinkLine("<a href=\"#2000\">x</a>"));
  EXPECT_FALSE(IsGeneratedLinkLine("<a href=\"#1999\">x</a>"));
  EXPECT_FALSE(IsGeneratedLinkLine("<a href=\"page_2500.htm\">x</a>"));
  EXPECT_FALSE(IsGeneratedLinkLine("<a href=\"#-2500\">x</a>"));
  // Only the first link counts, and "href =" only when "href=" is absent.
  EXPECT_FALSE(IsGeneratedLinkLine("<a href=\"#1\">a</a><a href=\"#2500\">"));
  EXPECT_FALSE(IsGeneratedLinkLine("<a href = \"#2500\"><a href=\"#1\">"));
  // A line that ends right after the quote reads as 0.
  EXPECT_FALSE(IsGeneratedLinkLine("href=\"#"));
  EXPECT_FALSE(IsGeneratedLinkLine("no link 2500"));
}

TEST(LineFiltersTest, LookAtMarkerBeforeTheFirstLink) {
  EXPECT_TRUE(IsGeneratedLinkLine("<br>look_at: <a href=\"x.htm\">a b</a>"));
  EXPECT_TRUE(IsGeneratedLinkLine("look_at: <a href = \"x.htm\">a b</a>"));
  EXPECT_FALSE(IsGeneratedLinkLine("<a href=\"x.htm\">a b</a> look_at:"));
  EXPECT_FALSE(IsGeneratedLinkLine("<br>look_at: no link here"));
}

TEST(LineFiltersTest, FirstLinkPositionIsOneBased) {
  EXPECT_EQ(FirstLinkPosition("<a href=x>"), 4u);
  EXPECT_EQ(FirstLinkPosition("<a href =x>"), 0u);
}

}  // namespace
}  // namespace docbase
