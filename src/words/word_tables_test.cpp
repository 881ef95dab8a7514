#include "words/word_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/quoted_record.h"
#include "common/test_support.h"
#include "common/text.h"
#include "driver/scripted_console.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::WriteFile;

// One record line, CR LF included.
std::string Line(std::initializer_list<std::string_view> fields) {
  std::string line;
  AppendQuotedRecord(&line, fields);
  return line + "\r\n";
}

std::string Padded(int64_t number, size_t width) {
  return BlankPadded(number, width);
}

// A wrd_01.txt record: word, page, line, col, word.
std::string Occurrence(std::string_view word, std::string_view page,
                       int64_t line, int64_t col) {
  return Line({word, page, Padded(line, 10), Padded(col, 6), word});
}

class WordTablesTest : public ::testing::Test {
 protected:
  WordTablesTest() : area_(folder_.path()) {}

  void Build(const std::string& occurrences) {
    WriteFile(area_.Path("wrd_01.txt"), occurrences);
    ASSERT_TRUE(SortWordOccurrences(area_, state_, console_).ok());
    ASSERT_TRUE(NumberWordOccurrences(area_, state_, console_).ok());
  }
  std::string Table(std::string_view name) {
    return ReadFile(area_.Path(name));
  }

  testing::TempFolder folder_;
  WorkArea area_;
  RunState state_;
  ScriptedConsole console_;
};

TEST_F(WordTablesTest, WritesEveryTable) {
  const std::string l3 = Padded(3, 10), l4 = Padded(4, 10), l1 = Padded(1, 10);
  const std::string c5 = Padded(5, 6), c11 = Padded(11, 6);
  Build(Occurrence("Paris", "page_02.htm", 3, 5) +
        Occurrence("the", "page_02.htm", 3, 11) +
        Occurrence("&NBSP;Word", "page_02.htm", 4, 5) +
        Occurrence("PARIS", "page_03.htm", 1, 5));

  EXPECT_EQ(Table("wrd_01_01.txt"),
            Line({"paris", "page_02.htm", l3, "Paris", c5, "Paris"}) +
                Line({"the", "page_02.htm", l3, "the", c11, "the"}) +
                Line({"paris", "page_03.htm", l1, "PARIS", c5, "PARIS"}));
  EXPECT_EQ(Table("wrd_01_02.txt"),
            Line({"paris", "page_02.htm", l3, "Paris", c5, "Paris"}) +
                Line({"paris", "page_03.htm", l1, "PARIS", c5, "PARIS"}) +
                Line({"the", "page_02.htm", l3, "the", c11, "the"}));
  // Paris and PARIS share one id; "the" is the third record.
  EXPECT_EQ(Table("wrd_03.txt"),
            Line({"page_02.htm", l3, c5, "Paris", "id00000000"}) +
                Line({"page_03.htm", l1, c5, "PARIS", "id00000000"}) +
                Line({"page_02.htm", l3, c11, "the", "id00000002"}));
  EXPECT_EQ(Table("wrd_04.txt"),
            Line({"page_02.htm", l3, c5, "Paris", "id00000000", "1"}) +
                Line({"page_03.htm", l1, c5, "PARIS", "id00000000", "2"}) +
                Line({"page_02.htm", l3, c11, "the", "id00000002", "1"}));
  const std::string in_document_order =
      Line({"page_02.htm", l3, c5, "Paris", "id00000000", "1"}) +
      Line({"page_02.htm", l3, c11, "the", "id00000002", "1"}) +
      Line({"page_03.htm", l1, c5, "PARIS", "id00000000", "2"});
  EXPECT_EQ(Table("wrd_05.txt"), in_document_order);
  EXPECT_EQ(Table("wrd_06.txt"), in_document_order);
  EXPECT_EQ(Table("wrd_07.txt"),
            Line({"99999999", "id00000000", "page_02.htm", l3, c5, "Paris",
                  "id00000000", "1"}) +
                Line({"99999999", "id00000002", "page_02.htm", l3, c11, "the",
                      "id00000002", "1"}) +
                Line({"99999998", "id00000000", "page_03.htm", l1, c5, "PARIS",
                      "id00000000", "2"}));
  EXPECT_EQ(Table("wrd_08.txt"),
            Line({"99999998", "id00000000", "page_03.htm", l1, c5, "PARIS",
                  "id00000000", "2"}) +
                Line({"99999999", "id00000000", "page_02.htm", l3, c5, "Paris",
                      "id00000000", "1"}) +
                Line({"99999999", "id00000002", "page_02.htm", l3, c11, "the",
                      "id00000002", "1"}));
  EXPECT_TRUE(console_.output().empty());
}

TEST_F(WordTablesTest, IdsCountRecordsAndHighestOccurrenceComesFirst) {
  std::string occurrences;
  for (int line = 1; line <= 2; ++line) {
    occurrences += Occurrence("banana", "page_02.htm", line, 5);
  }
  for (int line = 1; line <= 3; ++line) {
    occurrences += Occurrence("apple", "page_02.htm", line, 20);
  }
  for (int line = 1; line <= 12; ++line) {
    occurrences += Occurrence("river", "page_03.htm", line, 5);
  }
  Build(occurrences);

  std::string wrd_03 = Table("wrd_03.txt");
  EXPECT_NE(wrd_03.find("\"apple\",\"id00000000\""), std::string::npos);
  EXPECT_NE(wrd_03.find("\"banana\",\"id00000003\""), std::string::npos);
  EXPECT_NE(wrd_03.find("\"river\",\"id00000005\""), std::string::npos);

  std::string wrd_07 = Table("wrd_07.txt");
  EXPECT_NE(
      wrd_07.find(Line({"99999988", "id00000005", "page_03.htm", Padded(12, 10),
                        Padded(5, 6), "river", "id00000005", "12"})),
      std::string::npos);

  // wrd_08: k from 12 down; for equal k, by id. Each word's first record
  // carries its count.
  std::string wrd_08 = Table("wrd_08.txt");
  std::vector<std::string> heads;
  for (size_t at = 0; at < wrd_08.size(); at = wrd_08.find('\n', at) + 1) {
    heads.push_back(wrd_08.substr(at, 23));  // inv and id
  }
  ASSERT_EQ(heads.size(), 17u);
  EXPECT_EQ(heads[0], "\"99999988\",\"id00000005\"");
  EXPECT_EQ(heads[9], "\"99999997\",\"id00000000\"");
  EXPECT_EQ(heads[10], "\"99999997\",\"id00000005\"");
  EXPECT_EQ(heads[11], "\"99999998\",\"id00000000\"");
  EXPECT_EQ(heads[12], "\"99999998\",\"id00000003\"");
  EXPECT_EQ(heads[16], "\"99999999\",\"id00000005\"");
}

TEST_F(WordTablesTest, MissingOccurrencesGiveEmptyTables) {
  ASSERT_TRUE(SortWordOccurrences(area_, state_, console_).ok());
  ASSERT_TRUE(NumberWordOccurrences(area_, state_, console_).ok());
  for (std::string_view name :
       {"wrd_01_01.txt", "wrd_01_02.txt", "wrd_03.txt", "wrd_04.txt",
        "wrd_05.txt", "wrd_06.txt", "wrd_07.txt", "wrd_08.txt"}) {
    EXPECT_EQ(Table(name), "") << name;
  }
}

}  // namespace
}  // namespace docbase
