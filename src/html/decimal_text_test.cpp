#include "html/decimal_text.h"

#include <gtest/gtest.h>

namespace docbase {
namespace {

TEST(DecimalTextTest, HoldsEveryValueUpToTheLongest) {
  EXPECT_EQ(DecimalText(0).view(), "0");
  EXPECT_EQ(DecimalText(101).view(), "101");
  EXPECT_EQ(DecimalText(UINT64_MAX).view(), "18446744073709551615");
}

}  // namespace
}  // namespace docbase
