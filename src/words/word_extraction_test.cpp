#include "words/word_extraction.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/test_support.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

constexpr char kRule[] =
    "=================================================\r\n";

class WordExtractionTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  WorkArea area_{folder_.path()};
};

TEST_F(WordExtractionTest, WritesRecordsAndTracesInListingOrder) {
  // The first page ends inside an open tag, which must not reach the next
  // page; the second page has a dropped line before its words.
  WriteFile(area_.Path("page_01.htm"),
            "<br>first page\r\n\r\n<br>x <a\r\n");
  WriteFile(area_.Path("page_02.htm"),
            "  tail> more words\r\n"
            "<br><a href=\"#2500\">skip me</a>\r\n"
            "<br>Hello world");
  // Listed first (bytes order), opened by its listed spelling, written
  // under its lower-cased name.
  WriteFile(area_.Path("PAGE_03.HTM"), "<br>shouting page\n");
  WriteFile(area_.Path("other.htm"), "<br>not a page\r\n");

  ASSERT_TRUE(ExtractWords(area_).ok());

  EXPECT_EQ(ReadFile(area_.Path("dir_02.txt")),
            "PAGE_03.HTM\r\npage_01.htm\r\npage_02.htm\r\n");
  EXPECT_EQ(
      ReadFile(area_.Path("wrd_01.txt")),
      "\"shouting\",\"page_03.htm\",\"         1\",\"     5\",\"shouting\"\r\n"
      "\"page\",\"page_03.htm\",\"         1\",\"    14\",\"page\"\r\n"
      "\"first\",\"page_01.htm\",\"         1\",\"     5\",\"first\"\r\n"
      "\"page\",\"page_01.htm\",\"         1\",\"    11\",\"page\"\r\n"
      "\"tail>\",\"page_02.htm\",\"         1\",\"     3\",\"tail>\"\r\n"
      "\"more\",\"page_02.htm\",\"         1\",\"     9\",\"more\"\r\n"
      "\"words\",\"page_02.htm\",\"         1\",\"    14\",\"words\"\r\n"
      "\"Hello\",\"page_02.htm\",\"         3\",\"     5\",\"Hello\"\r\n"
      "\"world\",\"page_02.htm\",\"         3\",\"    11\",\"world\"\r\n");

  EXPECT_EQ(ReadFile(area_.Path("page_01.txt")),
            std::string(kRule) + "<br>first page\r\n" +
                " 10           first\r\n"
                " 14           page\r\n" +
                kRule + "\r\n" + kRule + "<br>x <a\r\n");
  EXPECT_EQ(ReadFile(area_.Path("page_02.txt")),
            std::string(kRule) + "  tail> more words\r\n" +
                " 8            tail>\r\n"
                " 13           more\r\n"
                " 18           words\r\n" +
                kRule + "<br>Hello world\r\n" +
                " 10           Hello\r\n"
                " 15           world\r\n");
  EXPECT_TRUE(std::filesystem::exists(area_.Path("page_03.txt")));
  EXPECT_FALSE(std::filesystem::exists(area_.Path("other.txt")));
}

TEST_F(WordExtractionTest, NoPagesGiveAnEmptyWordFile) {
  ASSERT_TRUE(ExtractWords(area_).ok());
  EXPECT_EQ(ReadFile(area_.Path("dir_02.txt")), "");
  EXPECT_TRUE(std::filesystem::exists(area_.Path("wrd_01.txt")));
  EXPECT_EQ(ReadFile(area_.Path("wrd_01.txt")), "");
}

TEST_F(WordExtractionTest, WordFileThatCannotBeCreatedIsAnIoError) {
  std::filesystem::create_directory(area_.Path("wrd_01.txt"));
  Status status = ExtractWords(area_);
  EXPECT_TRUE(status.io_error());
  EXPECT_NE(status.path().find("wrd_01.txt"), std::string::npos);
}

TEST(TraceWordLineTest, NumberWithLeadingBlankPaddedToFourteen) {
  EXPECT_EQ(TraceWordLine(8, "tail>"), " 8            tail>");
  EXPECT_EQ(TraceWordLine(1234567890123, "w"), " 1234567890123w");
}

}  // namespace
}  // namespace docbase
