#include "html/short_key_map.h"

#include <gtest/gtest.h>

#include <string>

namespace docbase {
namespace {

// Keys that differ only in their length or past the packed bytes stay
// apart, values survive the table's growth, and a clear empties it.
TEST(ShortKeyMapTest, KeysStayApartThroughGrowthAndClears) {
  ShortKeyMap map;
  const std::string keys[] = {"",
                              std::string("ab"),
                              std::string("ab\0", 3),
                              "id00000001",
                              "123456789012345",
                              "1234567890123456",
                              "1234567890123457"};
  for (int round = 0; round < 3; ++round) {
    for (uint64_t value = 0; value < std::size(keys); ++value) {
      auto [at, added] = map.TryEmplace(keys[value], value);
      EXPECT_TRUE(added);
      EXPECT_EQ(*at, value);
    }
    for (int i = 0; i < 1000; ++i) {
      EXPECT_TRUE(map.TryEmplace("id" + std::to_string(i), 100 + i).second);
    }
    for (uint64_t value = 0; value < std::size(keys); ++value) {
      auto [at, added] = map.TryEmplace(keys[value], 999);
      EXPECT_FALSE(added);
      EXPECT_EQ(*at, value) << keys[value];
    }
    ++*map.TryEmplace("id7", 0).first;
    EXPECT_EQ(*map.Find("id7"), 108u);
    map.Clear();
    EXPECT_EQ(map.Find("id7"), nullptr);
    EXPECT_EQ(map.Find("1234567890123456"), nullptr);
  }
}

}  // namespace
}  // namespace docbase
