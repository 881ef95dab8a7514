#include "html/key_max_table.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

namespace docbase {
namespace {

TEST(KeyMaxTableTest, KeepsTheHighestNumberPerKey) {
  KeyMaxTable table;
  table.Raise("id00000001", 3);
  table.Raise("id00000001", 2);
  table.Raise("id00000002", 0);
  table.Raise("a key much longer than the short string buffer", 9);
  EXPECT_EQ(table.Get("id00000001"), 3u);
  EXPECT_EQ(table.Get("id00000002"), 0u);
  EXPECT_EQ(table.Get("a key much longer than the short string buffer"), 9u);
  EXPECT_EQ(table.Get("id0000000"), 0u);
  EXPECT_EQ(table.Get(""), 0u);
  table.Raise("", 5);
  EXPECT_EQ(table.Get(""), 5u);
}

TEST(KeyMaxTableTest, ClearForgetsEveryKey) {
  KeyMaxTable table;
  table.Raise("id00000001", 3);
  table.Clear();
  EXPECT_EQ(table.Get("id00000001"), 0u);
  table.Raise("id00000001", 1);
  EXPECT_EQ(table.Get("id00000001"), 1u);
}

// Pages of very different sizes, so the table grows while holding keys and
// is reused after growing, checked against an ordered map.
TEST(KeyMaxTableTest, AgreesWithAMapAcrossGrowthAndClearing) {
  std::mt19937 random(11);
  KeyMaxTable table;
  for (int page = 0; page < 30; ++page) {
    std::map<std::string, uint64_t> expected;
    table.Clear();
    // Large pages grow the table, the small ones after them cut it back.
    const int records = page % 3 == 0 ? 5000 : (page % 3 == 1 ? 50 : 3);
    for (int i = 0; i < records; ++i) {
      std::string key = "id" + std::to_string(random() % 3000);
      uint64_t value = random() % 100;
      table.Raise(key, value);
      uint64_t& held = expected[key];
      held = std::max(held, value);
    }
    for (int probe = 0; probe < 3100; ++probe) {
      std::string key = "id" + std::to_string(probe);
      auto it = expected.find(key);
      ASSERT_EQ(table.Get(key), it == expected.end() ? 0 : it->second)
          << key << " on page " << page;
    }
  }
}

}  // namespace
}  // namespace docbase
