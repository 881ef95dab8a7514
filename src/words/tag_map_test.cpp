#include "words/tag_map.h"

#include <gtest/gtest.h>

#include <string>

namespace docbase {
namespace {

// The tags as "start-end" pairs, and whether a tag stays open.
std::string Tags(std::string_view line, bool* continuation) {
  std::vector<Tag> tags;
  BuildTagMap(line, continuation, &tags);
  std::string text;
  for (const Tag& tag : tags) {
    if (!text.empty()) text += ' ';
    text += std::to_string(tag.start) + "-" + std::to_string(tag.end);
  }
  return text;
}

TEST(TagMapTest, TagsRunFromOpeningToClosingBracket) {
  bool continuation = false;
  EXPECT_EQ(Tags("<br>one two<b>three</b> four", &continuation),
            "1-4 12-14 20-23");
  EXPECT_FALSE(continuation);
  EXPECT_EQ(Tags("plain words only here", &continuation), "");
  EXPECT_EQ(Tags("", &continuation), "");
  EXPECT_FALSE(continuation);
}

TEST(TagMapTest, BracketsInsideAndOutsideTags) {
  bool continuation = false;
  // A "<" inside a tag belongs to it; a stray ">" is an ordinary byte.
  EXPECT_EQ(Tags("a<b<c>d>e<>", &continuation), "2-6 10-11");
  EXPECT_FALSE(continuation);
}

TEST(TagMapTest, UnclosedTagRunsToLineEndAndContinues) {
  bool continuation = false;
  EXPECT_EQ(Tags("<br>x <a", &continuation), "1-4 7-8");
  EXPECT_TRUE(continuation);
  EXPECT_EQ(Tags("  tail> more <i>words", &continuation), "1-7 14-16");
  EXPECT_FALSE(continuation);

  // A lone "<" at the end is a one-byte tag; a continued line that starts
  // with ">" closes with a one-byte tag.
  EXPECT_EQ(Tags("end <", &continuation), "5-5");
  EXPECT_TRUE(continuation);
  EXPECT_EQ(Tags(">tail <b", &continuation), "1-1 7-8");
  EXPECT_TRUE(continuation);
}

TEST(TagMapTest, LinearOnManyBrackets) {
  bool continuation = false;
  std::string opens(100000, '<');
  EXPECT_EQ(Tags("x" + opens, &continuation), "2-100001");
  EXPECT_TRUE(continuation);

  continuation = false;
  std::string pairs;
  for (int i = 0; i < 100000; ++i) pairs += "<>";
  std::vector<Tag> tags;
  BuildTagMap(pairs, &continuation, &tags);
  ASSERT_EQ(tags.size(), 100000u);
  EXPECT_EQ(tags.back().start, 199999u);
  EXPECT_EQ(tags.back().end, 200000u);
}

}  // namespace
}  // namespace docbase
