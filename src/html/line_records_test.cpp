#include "html/line_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace docbase {
namespace {

std::string Record(const char* line, const char* column, const char* word) {
  return std::string("\"page_02.htm\",\"") + line + "\",\"" + column +
         "\",\"" + word + "\",\"id00000001\",\"1\",\"\"";
}

TEST(LineRecordsTest, ColumnsPastAMillionComeBackInNumericOrder) {
  // Text order of the tables: "1000045" sorts before "100005".
  std::vector<std::string> texts = {
      Record("         9", "     5", "first"),
      Record("         9", "1000045", "third"),
      Record("         9", "100005", "second"),
  };
  LineRecords records;
  for (const std::string& text : texts) {
    OccurrenceRecord record;
    ParseOccurrenceRecord(text, &record);
    ASSERT_TRUE(records.SameLine(record));
    records.Add(text, record);
  }
  std::vector<std::string> words;
  for (std::string_view text : records.InColumnOrder()) {
    OccurrenceRecord record;
    ParseOccurrenceRecord(text, &record);
    words.emplace_back(record.word);
  }
  EXPECT_EQ(words, (std::vector<std::string>{"first", "second", "third"}));

  OccurrenceRecord next_line;
  std::string text = Record("        10", "     1", "next");
  ParseOccurrenceRecord(text, &next_line);
  EXPECT_FALSE(records.SameLine(next_line));
  records.Clear();
  EXPECT_TRUE(records.SameLine(next_line));
}

}  // namespace
}  // namespace docbase
