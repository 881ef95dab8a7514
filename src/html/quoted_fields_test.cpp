#include "html/quoted_fields.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/quoted_record.h"
#include "common/text.h"

namespace docbase {
namespace {

// The fields as the general splitter gives them, read one by one with the
// reader, and beyond the end of the record.
void ExpectSameFields(std::string_view line) {
  std::vector<std::string_view> expected;
  SplitQuotedRecord(line, &expected);
  QuotedFields fields(line);
  for (size_t i = 0; i < expected.size() + 2; ++i) {
    const std::string_view field =
        i < expected.size() ? expected[i] : std::string_view();
    ASSERT_EQ(fields.Next(), field) << "field " << i << " of [" << line << "]";
  }
}

TEST(QuotedFieldsTest, ReadsTheFieldsOfTheGeneralSplitter) {
  for (std::string_view line :
       {"\"page_1.htm\",\"   3\",\"  12\",\"word\",\"id00000001\",\"1\",\"\"",
        "", "\"", "\"\"", "\"\",\"\"", "a,b", "\"a\",\"b", "a\",\"b\"",
        "\"a,\"b\",\"c\"", "\"a\",\"\",\"\",\"b\"", "\",\"", "\",\",\"",
        "\"a\"\"b\"", "\"a\",\"", "\"a\",\""}) {
    ExpectSameFields(line);
  }
}

// Lines made of the bytes that matter to the cut, in every arrangement a
// few thousand draws find.
TEST(QuotedFieldsTest, AgreesWithTheGeneralSplitterOnRandomLines) {
  std::mt19937 random(7);
  const char alphabet[] = {'"', ',', 'a', ' '};
  for (int round = 0; round < 20000; ++round) {
    std::string line(random() % 12, ' ');
    for (char& c : line) c = alphabet[random() % 4];
    ExpectSameFields(line);
  }
}

TEST(QuotedFieldsTest, CountsReadAsParseCountReadsThem) {
  for (std::string_view text :
       {"0", "7", "   42", "42   ", "  42  ", "", "   ", "4 2", "-1", "+1",
        "1x", "x1", "18446744073709551615", "18446744073709551616",
        "99999999999999999999", "  007"}) {
    uint64_t parsed = 0;
    const uint64_t expected = ParseCount(text, &parsed) ? parsed : 0;
    EXPECT_EQ(CountOrZero(text), expected) << "[" << text << "]";
  }
}

}  // namespace
}  // namespace docbase
