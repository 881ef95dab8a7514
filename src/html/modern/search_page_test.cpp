#include "html/modern/search_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "html/modern/list_page_test_support.h"
#include "html/page_test_fixture.h"

namespace docbase {
namespace {

class ModernSearchPageTest : public GeneratedPageTest {
 protected:
  // Writes s_1.htm of `records`, with every page cut into parts of one
  // block (`small_parts_`).
  Status WriteInSmallParts(std::vector<OccurrenceRecord> records) {
    const MainIndexParts parts({0});
    VectorSource<OccurrenceRecord> source(std::move(records));
    return WriteModernSearchPage(area_, state_, parts, small_parts_, random_,
                                 1, source);
  }

  PageParts page_parts_;
  PageParts small_parts_{1, 1};
};

// A paragraph per line holding its words, escaped; a block ends with each
// page and names, for each word first met on its page, its number and the
// number of that occurrence; a word whose bytes are not all text, or out of
// that count, carries its own, and a line of such bytes the encoded query.
TEST_F(ModernSearchPageTest, LinesOfWordsAndTheNumbersOfFirstOccurrences) {
  const MainIndexParts parts({0, 5});
  VectorSource<OccurrenceRecord> source({
      LineOccurrence("p1.htm", 1, "alpha", "id00000001", "1"),
      LineOccurrence("p1.htm", 1, "x&y", "id00000002", "1"),
      // One line numbered by spelling first: the second one is out of the
      // count.
      LineOccurrence("p1.htm", 2, "alpha", "id00000001", "3"),
      LineOccurrence("p1.htm", 2, "ALPHA", "id00000001", "2"),
      LineOccurrence("p2.htm", 1, "Alpha", "id00000001", "4"),
      LineOccurrence("p2.htm", 1, "b\x01t", "id00000060", "1"),
  });
  ASSERT_TRUE(
      WriteModernSearchPage(area_, state_, parts, page_parts_, random_, 2,
                            source).ok());
  EXPECT_EQ(MainOf(Read("s_2.htm")),
            "<div class=\"blk sp\" data-w=\"1.1 2.1\"><h2><a href=\"p1.htm\">"
            "p1.htm</a></h2>\r\n<p>alpha x&amp;y</p>\r\n<p><b data-w=\"1.3\">alpha</b> "
            "ALPHA</p>\r\n"
            "</div>\r\n"
            "<div class=\"blk sp\" data-w=\"1.4\"><h2><a href=\"p2.htm\">"
            "p2.htm</a></h2>\r\n<p data-e=\"Alpha%20b%01t%20\">Alpha "
            "<b data-w=\"60.1\">b\x01t</b></p>\r\n</div>\r\n");
}

// A group whose pages hold no indexed word says so (a page of nothing but
// its top reads as broken, and an empty <main> is not valid).
TEST_F(ModernSearchPageTest, AGroupWithoutWordsSaysSo) {
  const MainIndexParts parts({0});
  VectorSource<OccurrenceRecord> source({});
  ASSERT_TRUE(WriteModernSearchPage(area_, state_, parts, page_parts_, random_,
                                    3, source)
                  .ok());
  EXPECT_EQ(MainOf(Read("s_3.htm")),
            "<p>The pages of this group hold no indexed word.</p>\r\n");
}

// A line of more than 28 words carries the phrase drawn for it.
TEST_F(ModernSearchPageTest, ALongLineCarriesItsDrawnPhrase) {
  const MainIndexParts parts({0});
  std::vector<OccurrenceRecord> records;
  for (int word = 0; word < 30; ++word) {
    records.push_back(LineOccurrence("p1.htm", 1,
                                 Keep(std::string("w") + std::to_string(100 + word)),
                                 Keep(std::string("id") + std::to_string(10000000 + word)),
                                 "1"));
  }
  VectorSource<OccurrenceRecord> source(std::move(records));
  ASSERT_TRUE(
      WriteModernSearchPage(area_, state_, parts, page_parts_, random_, 1,
                            source).ok());
  const std::string main = MainOf(Read("s_1.htm"));
  const size_t phrase = main.find("<p data-q=\"");
  ASSERT_NE(phrase, std::string::npos) << main;
  // Words drawn from the line, not the whole line.
  const std::string drawn =
      main.substr(phrase + 11, main.find('"', phrase + 11) - phrase - 11);
  EXPECT_LT(std::count(drawn.begin(), drawn.end(), ' '), 30) << drawn;
}

// A part that starts inside a page's lines names the page again and
// numbers its words afresh: the first of each word there is in the block's
// record.
TEST_F(ModernSearchPageTest, APartStartingInsideAPageNamesItAgain) {
  std::vector<OccurrenceRecord> records;
  for (uint64_t line = 1; line <= 51; ++line) {
    records.push_back(LineOccurrence("p1.htm", line, "sun", "id00000003",
                                     Keep(std::to_string(line))));
  }
  ASSERT_TRUE(WriteInSmallParts(std::move(records)).ok());
  EXPECT_EQ(small_parts_.Names(),
            (std::vector<std::string>{"s_1_2.htm", "s_1_2.js"}));
  EXPECT_NE(Read("s_1.htm").find("href=\"s_1_2.htm\">Continued in part 2"),
            std::string::npos);
  EXPECT_EQ(MainOf(Read("s_1_2.htm")),
            "<div class=\"blk sp\" data-w=\"3.51\"><h2><a href=\"p1.htm\">"
            "p1.htm</a></h2>\r\n<p>sun</p>\r\n</div>\r\n");
}

// Each part after the first has a record of the words it holds, each with
// its highest occurrence there (not the last one written: one line numbers
// a word's spellings apart), and the part after it; the last part's record
// says only that none follows.
TEST_F(ModernSearchPageTest, PartsAfterTheFirstHaveRecordsOfTheirWords) {
  std::vector<OccurrenceRecord> records;
  for (uint64_t line = 1; line <= 101; ++line) {
    records.push_back(LineOccurrence("p1.htm", line, "sun", "id00000003",
                                     Keep(std::to_string(line))));
    if (line == 60) {
      records.push_back(LineOccurrence("p1.htm", line, "Moon", "id00000012", "9"));
      records.push_back(LineOccurrence("p1.htm", line, "moon", "id00000012", "8"));
    }
  }
  ASSERT_TRUE(WriteInSmallParts(std::move(records)).ok());
  EXPECT_EQ(small_parts_.Names(),
            (std::vector<std::string>{"s_1_2.htm", "s_1_2.js", "s_1_3.htm",
                                      "s_1_3.js"}));
  EXPECT_EQ(Read("s_1_2.js"), "docbasePart(\"s_1_3.htm\",{\"s\":\"3.100 12.9\"});\r\n");
  EXPECT_EQ(Read("s_1_3.js"), "docbasePart(\"\",{});\r\n");
}

// A line whose words fill more than a piece goes on in pieces, words
// only, and in the next part once a part is full, there under its page's
// name again and numbered afresh; its last piece names the line's first
// word, for the links of the whole line.
TEST_F(ModernSearchPageTest, AVeryLongLineGoesOnInPiecesAndParts) {
  std::vector<OccurrenceRecord> records;
  records.push_back(LineOccurrence("p1.htm", 1, "moon", "id00000002", "1"));
  const uint64_t suns = kPieceBlockBytes / 4 * 2;  // "sun ": two blocks
  for (uint64_t k = 1; k <= suns; ++k) {
    records.push_back(LineOccurrence("p1.htm", 1, "sun", "id00000003",
                                     Keep(std::to_string(k))));
  }
  ASSERT_TRUE(WriteInSmallParts(std::move(records)).ok());
  std::string all = MainOf(Read("s_1.htm"));
  for (const std::string& name : small_parts_.Names()) {
    if (name.ends_with(".js")) continue;
    const std::string part = MainOf(Read(name));
    EXPECT_EQ(part.find("<div class=\"blk sp\" data-w=\"3."), 0u) << name;
    EXPECT_NE(part.find("<h2><a href=\"p1.htm\">"), std::string::npos);
    all += part;
  }
  EXPECT_GE(small_parts_.Names().size(), 1u);
  EXPECT_GE(testing::CountOf(all, "<p data-c>"), 2u);
  const size_t last = all.find("<p data-f=\"2\" data-q=\"");
  ASSERT_NE(last, std::string::npos);
  const std::string phrase = all.substr(last, all.find('>', last) - last);
  EXPECT_EQ(testing::CountOf(all, "sun") - testing::CountOf(phrase, "sun"),
            suns);
}

}  // namespace
}  // namespace docbase
