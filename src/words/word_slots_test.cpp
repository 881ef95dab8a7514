#include "words/word_slots.h"

#include <gtest/gtest.h>

#include "common/text.h"

namespace docbase {
namespace {

TEST(WordSlotsTest, SlotsInOrderOfFirstSightAcrossGrowth) {
  WordSlots slots;
  // Enough ids to grow the table several times, each added twice.
  for (uint64_t n = 0; n < 5000; ++n) {
    EXPECT_EQ(slots.Add(WordId(n * 7919 % 100000000)), n);
  }
  for (uint64_t n = 0; n < 5000; ++n) {
    EXPECT_EQ(slots.Add(WordId(n * 7919 % 100000000)), n);
    EXPECT_EQ(slots.Find(WordId(n * 7919 % 100000000)), n);
  }
  EXPECT_EQ(slots.size(), 5000u);
  EXPECT_EQ(slots.id(3), WordId(3 * 7919));
  EXPECT_EQ(slots.Find(WordId(1)), WordSlots::kNone);
}

TEST(WordSlotsTest, UnusualIdsAndKeys) {
  WordSlots slots;
  EXPECT_EQ(slots.Add("id00000012"), 0u);
  EXPECT_EQ(slots.Add("id123456789"), 1u);  // 9 digits
  EXPECT_EQ(slots.Add("kid0000001"), 2u);
  EXPECT_EQ(slots.Add(""), 3u);
  EXPECT_EQ(slots.Find("id123456789"), 1u);
  EXPECT_EQ(slots.Find("kid0000001"), 2u);
  EXPECT_EQ(slots.Find(""), 3u);
  EXPECT_EQ(slots.Find("id0000001x"), WordSlots::kNone);
  // The usual ids are keyed by their number, the others apart from them.
  EXPECT_EQ(slots.Key("id00000012"), 12u);
  EXPECT_EQ(slots.Key("id99999999"), 99999999u);
  EXPECT_EQ(slots.Key("id123456789"), 0x80000001u);
  EXPECT_EQ(slots.Key("kid0000001"), 0x80000002u);
  EXPECT_EQ(slots.Key("unknown"), WordSlots::kNoKey);
}

}  // namespace
}  // namespace docbase
