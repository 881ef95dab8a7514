#include "words/record_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/quoted_record.h"

namespace docbase {
namespace {

// The fields as SplitQuotedRecord gives them, padded to `needed`.
std::vector<std::string> SplitFields(std::string_view line, size_t needed) {
  std::vector<std::string_view> views;
  SplitQuotedRecord(line, &views);
  std::vector<std::string> fields(views.begin(), views.end());
  fields.resize(needed);
  return fields;
}

std::vector<std::string> ViewFields(const RecordView& record, size_t needed) {
  std::vector<std::string> fields;
  for (size_t i = 0; i < needed; ++i) fields.emplace_back(record.field(i));
  return fields;
}

TEST(RecordViewTest, FieldsAndRawSlicesOfARecord) {
  // Quotes at every position modulo 8, empty fields, commas and bytes
  // above 127 inside fields.
  const std::string line =
      "\"99999999\",\"id00000003\",\"page_02.htm\",\"         3\",\"    "
      "11\",\"x,y \xc3\xa9\",\"\",\"12\"";
  std::string scratch;
  RecordView record(line, 8, &scratch);
  EXPECT_FALSE(record.rebuilt());
  EXPECT_EQ(ViewFields(record, 8), SplitFields(line, 8));
  EXPECT_EQ(record.RawFields(2, 4), "\"page_02.htm\",\"         3\"");
  EXPECT_EQ(record.RawFields(5, 8), "\"x,y \xc3\xa9\",\"\",\"12\"");
  EXPECT_EQ(record.RawFields(0, 8), line);
  EXPECT_EQ(line.substr(record.FieldBegin(6), record.FieldEnd(6) -
                                                   record.FieldBegin(6)),
            "\"\"");
  // Fewer fields than the line holds: the rest is not looked at.
  RecordView first_two(line, 2, &scratch);
  EXPECT_EQ(first_two.RawFields(0, 2), "\"99999999\",\"id00000003\"");
}

TEST(RecordViewTest, ShortOrDamagedLinesAreRebuiltAsSplitReadsThem) {
  std::string scratch;
  for (std::string line : {"", "\"a\",\"b\"", "a\",\"b\"", "\"a\",\"b",
                           "no quotes at all", "\"a\"x\"b\""}) {
    SCOPED_TRACE(line);
    RecordView record(line, 4, &scratch);
    std::vector<std::string> expected = SplitFields(line, 4);
    for (std::string& field : expected) {
      std::erase(field, '"');  // a record cannot hold a quote in a field
    }
    EXPECT_EQ(ViewFields(record, 4), expected);
    EXPECT_EQ(record.RawFields(0, 4).size(), record.line().size());
  }
  RecordView complete("\"a\",\"b\"", 2, &scratch);
  EXPECT_FALSE(complete.rebuilt());
  RecordView padded("\"a\",\"b\"", 3, &scratch);
  EXPECT_TRUE(padded.rebuilt());
  EXPECT_EQ(padded.line(), "\"a\",\"b\",\"\"");
}

}  // namespace
}  // namespace docbase
