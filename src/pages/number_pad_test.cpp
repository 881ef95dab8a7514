#include "pages/number_pad.h"

#include <gtest/gtest.h>

namespace docbase {
namespace {

TEST(NumberPadTest, WidthFollowsThePageCountThresholds) {
  EXPECT_EQ(NumberPadForCount(1), "");
  EXPECT_EQ(NumberPadForCount(2), "00");
  EXPECT_EQ(NumberPadForCount(10), "00");
  EXPECT_EQ(NumberPadForCount(11), "000");
  EXPECT_EQ(NumberPadForCount(100), "000");
  EXPECT_EQ(NumberPadForCount(101), "0000");
  EXPECT_EQ(NumberPadForCount(1001), "00000");
  EXPECT_EQ(NumberPadForCount(10001), "000000");
  EXPECT_EQ(NumberPadForCount(100001), "0000000");
  EXPECT_EQ(NumberPadForCount(1000000), "0000000");
  EXPECT_EQ(NumberPadForCount(1000001), "00000000");
  EXPECT_EQ(NumberPadForCount(50000000), "00000000");
}

TEST(NumberPadTest, NumbersFillThePadOrOverflowIt) {
  EXPECT_EQ(NumberedPageName("00", 1), "page_01.htm");
  EXPECT_EQ(NumberedPageName("00", 10), "page_10.htm");
  EXPECT_EQ(NumberedPageName("000", 11), "page_011.htm");
  EXPECT_EQ(NumberedPageName("00", 123), "page_123.htm");
  EXPECT_EQ(NumberedPageName("", 1), "page_1.htm");
}

}  // namespace
}  // namespace docbase
