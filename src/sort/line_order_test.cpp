#include "sort/line_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace docbase {
namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(LineOrderTest, KeyedComparisonIsTheByteOrder) {
  using namespace std::string_literals;
  // Lines sharing "ab", with zero bytes, bytes above 127, and lines that
  // end within or just after the key.
  const std::vector<std::string> lines = {
      "ab"s,           "ab\0"s,          "ab\0\0"s,       "abc"s,
      "abcdefghij"s,   "abcdefghijk"s,   "abcdefghik"s,   "abcdefgh\xff"s,
      "ab\xff"s,       "abcdefgh"s,      "abcdefgh\0"s,   "abcdefghij\0"s,
      "abZ"s,          "abcdefghijkl"s};
  const size_t shared = 2;
  for (const std::string& a : lines) {
    for (const std::string& b : lines) {
      SCOPED_TRACE(a + " / " + b);
      EXPECT_EQ(Sign(CompareKeyed(PrefixKey(a, shared), a,
                                  PrefixKey(b, shared), b, shared)),
                Sign(a.compare(b)));
    }
  }
}

TEST(LineOrderTest, KeysAndSharedLengths) {
  EXPECT_EQ(PrefixKey("\x01\x02", 0), 0x0102000000000000u);
  EXPECT_EQ(PrefixKey("abc", 5), 0u);
  EXPECT_EQ(PrefixKey("\xff\xff\xff\xff\xff\xff\xff\xff\xff", 1),
            0xffffffffffffffffu);
  EXPECT_EQ(SharedLength("page_01", "page_02"), 6u);
  EXPECT_EQ(SharedLength("page", "page_02"), 4u);
  EXPECT_EQ(SharedLength("", "x"), 0u);
}

}  // namespace
}  // namespace docbase
