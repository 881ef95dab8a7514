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

}  // namespace
}  // namespace docbase
