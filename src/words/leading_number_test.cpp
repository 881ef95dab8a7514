#include "words/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>

namespace docbase {
namespace {

TEST(LeadingNumberTest, ReadsTheDecimalPrefix) {
  EXPECT_EQ(LeadingNumber("2500\">x</a>"), 2500);
  EXPECT_EQ(LeadingNumber("   -12.5e1 rest"), -125);
  EXPECT_EQ(LeadingNumber("+7"), 7);
  EXPECT_EQ(LeadingNumber(".5x"), 0.5);
  EXPECT_EQ(LeadingNumber("3."), 3);
  EXPECT_EQ(LeadingNumber("2e3"), 2000);
  EXPECT_EQ(LeadingNumber("21e"), 21);  // an "e" without digits stops
  EXPECT_EQ(LeadingNumber("21e+x"), 21);
}

TEST(LeadingNumberTest, NoNumberGivesZero) {
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("   "), 0);
  EXPECT_EQ(LeadingNumber("age_2500.htm"), 0);
  EXPECT_EQ(LeadingNumber("\t5"), 0);  // only blanks are skipped
  EXPECT_EQ(LeadingNumber("-.x"), 0);
  EXPECT_EQ(LeadingNumber("0x7D1"), 0);
  EXPECT_EQ(LeadingNumber("inf"), 0);
  EXPECT_EQ(LeadingNumber("nan"), 0);
}

TEST(LeadingNumberTest, OutOfRangeValues) {
  EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
  EXPECT_GT(LeadingNumber("1e999"), 0);
  EXPECT_LT(LeadingNumber("-1e999"), 0);
  EXPECT_EQ(LeadingNumber("1e-999"), 0);
  EXPECT_GT(LeadingNumber(std::string(400, '9')), 2000);
}

}  // namespace
}  // namespace docbase
