#include "words/platform_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/test_support.h"

namespace docbase {
namespace {

TEST(PlatformOrderTest, LettersCompareWithoutCase) {
  EXPECT_TRUE(PlatformSortLess("apple", "Banana"));
  EXPECT_FALSE(PlatformSortLess("Apple", "apple"));
  EXPECT_FALSE(PlatformSortLess("apple", "Apple"));
  // "_" lies between the upper and the lower case letters in byte order;
  // compared as lower case it comes before every letter.
  EXPECT_TRUE(PlatformSortLess("A_", "AB"));
  EXPECT_TRUE(PlatformSortLess("app", "apple"));
  EXPECT_TRUE(PlatformSortLess("z", "\xc3\xa9"));
}

TEST(PlatformOrderTest, OnlyRunsWithOneKeyAreReordered) {
  testing::TempFolder folder;
  WorkArea area(folder.path());
  LineRouter router(area, {"one.txt", "two.txt"});
  PlatformOrderedRuns runs(&router);
  ASSERT_TRUE(runs.Add("k1", 0, "b").ok());
  ASSERT_TRUE(runs.Add("k1", 0, "A").ok());
  ASSERT_TRUE(runs.Add("k2", 1, "c").ok());
  ASSERT_TRUE(runs.Add("k3", 0, "B").ok());
  ASSERT_TRUE(runs.Add("k3", 0, "a").ok());
  ASSERT_TRUE(runs.Add("k4", 0, "0").ok());
  ASSERT_TRUE(runs.Finish().ok());
  ASSERT_TRUE(router.Finish().ok());
  EXPECT_EQ(testing::ReadFile(area.Path("one.txt")),
            "A\r\nb\r\na\r\nB\r\n0\r\n");
  EXPECT_EQ(testing::ReadFile(area.Path("two.txt")), "c\r\n");
}

TEST(PlatformOrderTest, TagsTravelWithTheirLines) {
  std::vector<std::string> emitted;
  PlatformOrderedRuns runs([&](size_t target, std::string_view line,
                               uint32_t tag) {
    emitted.push_back(std::to_string(target) + ":" + std::string(line) + ":" +
                      std::to_string(tag));
    return Status::Ok();
  });
  ASSERT_TRUE(runs.Add("k1", 1, "b", 10).ok());
  ASSERT_TRUE(runs.Add("k1", 1, "A", 11).ok());
  ASSERT_TRUE(runs.Add("k2", 0, "x", 12).ok());
  ASSERT_TRUE(runs.Finish().ok());
  EXPECT_EQ(emitted, (std::vector<std::string>{"1:A:11", "1:b:10", "0:x:12"}));
}

}  // namespace
}  // namespace docbase
