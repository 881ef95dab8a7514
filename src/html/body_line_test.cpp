#include "html/body_line.h"

#include <gtest/gtest.h>

namespace docbase {
namespace {

TEST(BodyLineTest, OpeningTagsQualify) {
  EXPECT_TRUE(IsBodyLine("<body>"));
  EXPECT_TRUE(IsBodyLine("<BODY bgcolor=\"white\">"));
  EXPECT_TRUE(IsBodyLine("<html><body>"));
  EXPECT_TRUE(IsBodyLine("< body>"));
  EXPECT_TRUE(IsBodyLine("<br><   Body>"));
  EXPECT_TRUE(IsBodyLine("<body>words on the body line</p>"));
}

TEST(BodyLineTest, OtherUsesOfBodyDoNot) {
  EXPECT_FALSE(IsBodyLine("</body>"));
  EXPECT_FALSE(IsBodyLine("<tbody>"));
  EXPECT_FALSE(IsBodyLine("nobody"));
  EXPECT_FALSE(IsBodyLine("<p>nobody"));
  EXPECT_FALSE(IsBodyLine("body <br>"));  // "<" only after "body"
  EXPECT_FALSE(IsBodyLine("<\tbody>"));   // a tab is not a blank
  EXPECT_FALSE(IsBodyLine(""));
  // Only the first "body" counts, and a "<" after a spaced tag spoils it.
  EXPECT_FALSE(IsBodyLine("<tbody><body>"));
  EXPECT_FALSE(IsBodyLine("< body><p>"));
}

}  // namespace
}  // namespace docbase
