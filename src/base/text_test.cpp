#include "base/text.h"

#include <gtest/gtest.h>

#include "run/run_clock.h"
#include "run/split_mix.h"

namespace docbase {
namespace {

TEST(TextTest, OnlyAsciiLettersChangeCase) {
  EXPECT_EQ(ToLowerAscii("PARIS \xC3\x89t\xC3\xA9"), "paris \xC3\x89t\xC3\xA9");
  EXPECT_EQ(FindIgnoreCase("a.TXT", ".txt"), 1u);
  EXPECT_TRUE(ContainsIgnoreCase("Foo.Htm", ".htm"));
  // A part that starts with no letter: tried at each of its first bytes,
  // up to the last place it fits.
  EXPECT_EQ(FindIgnoreCase("<<b <TaBlE x", "<table "), 4u);
  EXPECT_EQ(FindIgnoreCase("x </TABLE", "</table"), 2u);
  EXPECT_EQ(FindIgnoreCase("x </TABL", "</table"), std::string_view::npos);
  EXPECT_EQ(FindIgnoreCase("ab<", "<"), 2u);
  EXPECT_EQ(FindIgnoreCase("Table", "table"), 0u);
}

TEST(TextTest, TrimmingRemovesBlanksButNotTabs) {
  EXPECT_EQ(TrimBlanks("  a b \t "), "a b \t");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimTrailingBlanks("\tx  "), "\tx");
}

TEST(TextTest, NumberForms) {
  EXPECT_EQ(SignedDecimal(4), " 4");
  EXPECT_EQ(SignedDecimal(-3), "-3");
  EXPECT_EQ(BlankPadded(3, 10), "         3");
  EXPECT_EQ(BlankPadded(12345678901, 10), "12345678901");
  EXPECT_EQ(ZeroPadded(99999988, 8), "99999988");
  EXPECT_EQ(std::string(WordIdText(3).view()), "id00000003");
  EXPECT_EQ(std::string(WordIdText(123456789).view()), "id123456789");
  uint64_t value = 0;
  EXPECT_TRUE(ParseCount("  42 ", &value));
  EXPECT_EQ(value, 42u);
  EXPECT_FALSE(ParseCount("4x", &value));
  EXPECT_FALSE(ParseCount("", &value));
}

TEST(RunClockTest, FormatsMonthDayYearAndTwentyFourHourTime) {
  DateTimeText text = DateTimeAtEpoch(1700000000);  // 2023-11-14 22:13:20 UTC
  EXPECT_EQ(text.date, "11-14-2023");
  EXPECT_EQ(text.time, "22:13:20");
}

TEST(SplitMixTest, FirstDrawsFromStateZero) {
  SplitMix64 random;
  EXPECT_EQ(random.NextBits(), 0xE220A8397B1DCDAFull);
  double r = random.NextUnit();
  EXPECT_GE(r, 0.0);
  EXPECT_LT(r, 1.0);
}

}  // namespace
}  // namespace docbase
