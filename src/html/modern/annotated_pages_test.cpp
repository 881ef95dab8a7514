#include "html/modern/annotated_pages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "html/page_test_fixture.h"
#include "pages/input_pages_for_test.h"

namespace docbase {
namespace {

OccurrenceRecord Occurrence(uint64_t line, uint64_t column,
                            std::string_view word, std::string_view id,
                            uint64_t k, uint64_t last, std::string_view next);

class ModernAnnotatedPagesTest : public GeneratedPageTest {
 protected:
  // page_2.htm of group 4, after page_1.htm: 250 lines of "sun", the word
  // of id 3, numbered 1 to 250.
  Status WriteSunPage(PageParts& parts) {
    std::string text;
    for (int line = 0; line < 250; ++line) text += "sun\n";
    const NumberedPage input =
        testing::TextPage(area_, "page_2.htm", "a.txt", text);
    std::vector<OccurrenceRecord> records;
    for (uint64_t k = 1; k <= 250; ++k) {
      records.push_back(Occurrence(8 + k, 5, "sun", "id00000003", k, 250, ""));
      records.back().origin = &input.origin;
    }
    VectorSource<OccurrenceRecord> source(std::move(records));
    return WriteModernPages(area_, state_.display,
                            PageNeighbours({"page_1.htm", "page_2.htm"}), 4,
                            source, parts);
  }

  // page_2.htm of one line of `words` times "sun ", numbered 1 on.
  Status WriteOneLinePage(uint64_t words, PageParts& parts) {
    std::string text;
    for (uint64_t word = 0; word < words; ++word) text += "sun ";
    const NumberedPage input =
        testing::TextPage(area_, "page_2.htm", "a.txt", text + "\n");
    std::vector<OccurrenceRecord> records;
    for (uint64_t k = 1; k <= words; ++k) {
      records.push_back(
          Occurrence(9, 5 + 4 * (k - 1), "sun", "id00000003", k, words, ""));
      records.back().origin = &input.origin;
    }
    VectorSource<OccurrenceRecord> source(std::move(records));
    return WriteModernPages(area_, state_.display,
                            PageNeighbours({"page_1.htm", "page_2.htm"}), 4,
                            source, parts);
  }
};

OccurrenceRecord Occurrence(uint64_t line, uint64_t column,
                            std::string_view word, std::string_view id,
                            uint64_t k, uint64_t last, std::string_view next) {
  OccurrenceRecord record;
  record.page = "page_2.htm";
  record.line = line;
  record.column = column;
  record.word = word;
  record.id = id;
  record.k = k;
  record.last_on_page = last;
  record.next = next;
  return record;
}

// A text's page shows the text as written: its markup escaped, without
// the page set's own. The first occurrence of a word carries the word id,
// the others are plain, but for one the script's count would miss (a line
// numbered by spelling first); the record gives each word the number of
// its first occurrence, its next page and whether it has a strip.
TEST_F(ModernAnnotatedPagesTest, TextAsWrittenWordsAndTheirRecords) {
  const NumberedPage input = testing::TextPage(
      area_, "page_2.htm", "a.txt", "sun & <b>sun</b>\n  Pages_list Sun\n");
  std::vector<OccurrenceRecord> records = {
      // The text's lines are the page's 9th and 10th, after its head.
      Occurrence(9, 5, "sun", "id00000003", 2, 3, "page_3.htm"),
      Occurrence(9, 14, "sun", "id00000003", 3, 3, "page_3.htm"),
      Occurrence(10, 19, "Pages_list", "id00000001", 1, 1, ""),
      Occurrence(10, 30, "Sun", "id00000003", 1, 3, "page_3.htm"),
  };
  for (OccurrenceRecord& record : records) record.origin = &input.origin;
  VectorSource<OccurrenceRecord> source(std::move(records));
  const PageNeighbours neighbours({"page_1.htm", "page_2.htm", "page_3.htm"});
  PageParts parts;
  ASSERT_TRUE(
      WriteModernPages(area_, state_.display, neighbours, 4, source, parts).ok());
  EXPECT_TRUE(parts.Names().empty());
  const std::string page = Read("page_2.htm");
  const std::string bar =
      "<a rel=\"prev\" href=\"page_1.htm\">Before</a> <a rel=\"next\" "
      "href=\"page_3.htm\">Next</a> <a href=\"files_list.htm\">Content</a>"
      "</nav>\r\n";
  EXPECT_NE(page.find("<nav class=\"bar\" aria-label=\"Pages\">" + bar +
                      "<main id=\"text\">\r\n<div class=\"blk\">"
                      "<b id=\"id00000003\">sun</b> &amp; &lt;b&gt;<b>sun</b>"
                      "&lt;/b&gt;\r\n  <b id=\"id00000001\">Pages_list</b> "
                      "<b id=\"id00000003_1\">Sun</b>\r\n</div>\r\n</main>\r\n"
                      "<nav class=\"bar\" aria-label=\"Pages, again\">" + bar),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("{\"i\":\"i_4.htm\",\"s\":\"s_4.htm\","
                      "\"c\":\"files_list.htm\",\"n\":[\"page_3.htm\"],"
                      "\"w\":\"2.0 1-\"}</script>"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<h1>a.txt</h1>"), std::string::npos);
}

// A long page goes on in parts, cut between blocks: each part a page with
// its own record, the first occurrence of a word in each part carrying the
// word id, "+" on the words that come again in a later part, and "p"
// naming the next part, which links back to the one before.
TEST_F(ModernAnnotatedPagesTest, LongPageGoesOnInParts) {
  PageParts parts(1);  // every block past the first starts a part
  ASSERT_TRUE(WriteSunPage(parts).ok());
  EXPECT_EQ(parts.Names(),
            (std::vector<std::string>{"page_2_2.htm", "page_2_2.js",
                                      "page_2_3.htm", "page_2_3.js"}));
  const std::string first = Read("page_2.htm");
  const std::string second = Read("page_2_2.htm");
  const std::string third = Read("page_2_3.htm");
  EXPECT_NE(first.find("<a id=\"next-part\" href=\"page_2_2.htm\">Continued in part 2</a>"),
            std::string::npos);
  EXPECT_NE(first.find("\"n\":[],\"p\":\"page_2_2.htm\",\"w\":\"1+120\"}"),
            std::string::npos)
      << first;
  EXPECT_NE(second.find("<title>a.txt, part 2</title>"), std::string::npos);
  EXPECT_NE(second.find("Continued from <a href=\"page_2.htm\">"),
            std::string::npos);
  EXPECT_NE(second.find("<div class=\"blk\"><b id=\"id00000003\">sun</b>"),
            std::string::npos);
  EXPECT_NE(second.find("\"p\":\"page_2_3.htm\",\"w\":\"121+240\"}"),
            std::string::npos)
      << second;
  EXPECT_NE(third.find("Continued from <a href=\"page_2_2.htm\">part 2</a>"),
            std::string::npos);
  EXPECT_NE(third.find("\"n\":[],\"w\":\"241\"}"), std::string::npos)
      << third;
  EXPECT_EQ(third.find("Continued in"), std::string::npos) << third;
  // Each part after the first has a record file of the words it holds and
  // the part after it, read to pass a link over the part unread.
  EXPECT_EQ(Read("page_2_2.js"),
            "docbasePart(\"page_2_3.htm\",{\"w\":\"3+240\"});\r\n");
  EXPECT_EQ(Read("page_2_3.js"), "docbasePart(\"\",{});\r\n");
  EXPECT_NE(first.find("<script defer src=\"docbase.js\"></script>\r\n</head>"),
            std::string::npos);
  // 120 lines a block: the parts hold 120, 120 and 10 occurrences.
  EXPECT_EQ(testing::CountOf(second, "<b>sun</b>"), 119u);
  EXPECT_EQ(testing::CountOf(third, "<b>sun</b>"), 9u);
}

// A part of many words, each of them again in a later part, counts its
// word record in its size: no file grows much past the bound.
TEST_F(ModernAnnotatedPagesTest, PartsOfManyWordsKeepTheirRecordsWithinTheBound) {
  constexpr uint64_t kBound = 100 * 1000;
  constexpr uint64_t kWords = 20000;
  std::string text;
  std::vector<std::string> words, ids;
  for (uint64_t at = 0; at < kWords; ++at) {
    words.push_back("w" + std::to_string(at));
    std::string digits = std::to_string(100000 + at);
    ids.push_back("id" + std::string(8 - digits.size(), '0') + digits);
  }
  for (int round = 0; round < 2; ++round) {
    for (const std::string& word : words) text += word + "\n";
  }
  const NumberedPage input = testing::TextPage(area_, "page_2.htm", "a.txt", text);
  std::vector<OccurrenceRecord> records;
  for (uint64_t round = 0; round < 2; ++round) {
    for (uint64_t at = 0; at < kWords; ++at) {
      records.push_back(Occurrence(9 + round * kWords + at, 5, words[at],
                                   ids[at], round + 1, 2, ""));
      records.back().origin = &input.origin;
    }
  }
  VectorSource<OccurrenceRecord> source(std::move(records));
  PageParts parts(kBound);
  ASSERT_TRUE(WriteModernPages(area_, state_.display,
                               PageNeighbours({"page_1.htm", "page_2.htm"}), 4,
                               source, parts)
                  .ok());
  ASSERT_GE(parts.Names().size(), 5u);
  EXPECT_LT(Read("page_2.htm").size(), kBound + 8 * 1024);
  for (const std::string& name : parts.Names()) {
    if (name.ends_with(".js")) continue;
    EXPECT_LT(Read(name).size(), kBound + 8 * 1024) << name;
  }
}

// A text line far longer than a part (a text without line breaks) is cut
// between two of its words: each part stays near the bound, every word is
// in one part, whole, and each record names the first part ("f"), from
// where the script looks for a next occurrence the part does not hold.
TEST_F(ModernAnnotatedPagesTest, LongLineIsCutBetweenWords) {
  constexpr uint64_t kWords = 20000;
  PageParts parts(1);
  ASSERT_TRUE(WriteOneLinePage(kWords, parts).ok());
  ASSERT_GE(parts.Names().size(), 2u);
  std::vector<std::string> pages = {Read("page_2.htm")};
  for (const std::string& name : parts.Names()) {
    if (!name.ends_with(".js")) pages.push_back(Read(name));
  }
  uint64_t words = 0;
  for (const std::string& page : pages) {
    EXPECT_LT(page.size(), 100u * 1024);
    EXPECT_NE(page.find(",\"f\":\"page_2.htm\""), std::string::npos);
    words += testing::CountOf(page, "sun</b>");
  }
  EXPECT_EQ(words, kWords);
}

// Within a part, a long line goes on in new blocks between its words, so
// that no block holds much more than 64 KB; the text loses nothing.
TEST_F(ModernAnnotatedPagesTest, LongLineGoesOnInBlocks) {
  constexpr uint64_t kWords = 40000;
  PageParts parts;
  ASSERT_TRUE(WriteOneLinePage(kWords, parts).ok());
  ASSERT_TRUE(parts.Names().empty());
  const std::string page = Read("page_2.htm");
  const std::string_view opening = "<div class=\"blk\">";
  size_t blocks = 0;
  for (size_t at = page.find(opening); at != std::string::npos;
       at = page.find(opening, at + 1)) {
    const size_t end = page.find("</div>", at);
    ASSERT_NE(end, std::string::npos);
    EXPECT_LT(end - at, 66u * 1024);
    ++blocks;
  }
  EXPECT_GE(blocks, 5u);
  EXPECT_EQ(testing::CountOf(page, "sun</b>"), kWords);
}

// A part that cannot be made fails the page, naming the part, even when
// the parts after it can be: no page links to a part that is not there.
TEST_F(ModernAnnotatedPagesTest, APartThatCannotBeMadeIsAnError) {
  std::filesystem::create_directory(area_.Path("page_2_2.htm"));
  std::filesystem::create_directory(area_.Path("page_2_2.htm") / "taken");
  PageParts parts(1);
  const Status status = WriteSunPage(parts);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.ToString().find("page_2_2.htm"), std::string::npos)
      << status.ToString();
}

}  // namespace
}  // namespace docbase
