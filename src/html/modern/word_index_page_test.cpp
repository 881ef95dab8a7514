#include "html/modern/word_index_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "html/modern/list_page_test_support.h"
#include "html/page_test_fixture.h"

namespace docbase {
namespace {

class ModernWordIndexPageTest : public GeneratedPageTest {
 protected:
  // Words id10000000 .. id10000100, each once on page_1.htm.
  std::vector<WordPageEntry> HundredAndOneWords(int words = 101) {
    std::vector<WordPageEntry> entries;
    for (int word = 0; word < words; ++word) {
      entries.push_back({Keep("id" + std::to_string(10000000 + word)),
                         "page_1.htm", 1, "w", "1", 1});
    }
    return entries;
  }
};

// A word on two pages is one paragraph: its id, the number of its first
// occurrence on each page (for the links the script makes), the word and
// each page with its count, escaped; a word the page's text cannot carry
// brings its web search query, encoded.
TEST_F(ModernWordIndexPageTest, OneParagraphPerWordWithItsPagesAndNumbers) {
  const MainIndexParts parts({0, 5});
  PageParts page_parts;
  ModernWordIndexPages pages(parts, page_parts);
  VectorSource<WordPageEntry> source({
      {"id00000001", "p&1.htm", 3, "a<b", "1", 2},
      {"id00000001", "page_2.htm", 3, "a<b", "4", 1},
      {"id00000007", "page_2.htm", 3, "z\xff", "2", 1},
  });
  ASSERT_TRUE(pages.WriteHead(area_, state_, 3).ok());
  ASSERT_TRUE(pages.WriteEntries(state_, 3, source).ok());
  EXPECT_EQ(MainOf(Read("i_3.htm")),
            "<div class=\"blk wi\">\r\n"
            "<p id=\"id00000001\" data-k=\"1 4\"><b>a&lt;b</b> "
            "p&amp;1.htm (2), page_2.htm (1)</p>\r\n"
            "<p id=\"id00000007\" data-k=\"2\" data-e=\"z%FF\"><b>z\xff</b> "
            "page_2.htm (1)</p>\r\n"
            "</div>\r\n");
  // The script's record: the pages' names and the main index's parts.
  EXPECT_NE(Read("i_3.htm").find(
                "<script type=\"application/json\" id=\"list-data\">"
                "{\"i\":\"i_3.htm\",\"s\":\"s_3.htm\",\"c\":\"files_list.htm\","
                "\"host\":\"www.google.com\",\"addr\":\"www.example.org\","
                "\"site\":\"www.example.com\",\"mf\":[0,5],"
                "\"mp\":[\"index_1.htm\",\"index_2.htm\"]}</script>\r\n<main>"),
            std::string::npos);
}

// Every 100 words a new block.
TEST_F(ModernWordIndexPageTest, BlocksOfAHundredWords) {
  const MainIndexParts parts({0});
  PageParts page_parts;
  ModernWordIndexPages pages(parts, page_parts);
  VectorSource<WordPageEntry> source(HundredAndOneWords());
  ASSERT_TRUE(pages.WriteHead(area_, state_, 1).ok());
  ASSERT_TRUE(pages.WriteEntries(state_, 1, source).ok());
  const std::string main = MainOf(Read("i_1.htm"));
  EXPECT_EQ(main.rfind("<div class=\"blk wi\">\r\n<p id=\"id10000100\""),
            main.find("<div class=\"blk wi\">", 1));
  EXPECT_TRUE(page_parts.Names().empty());
}

// Past the bound of a part, the next block starts the page's next part,
// linked from the one before, with the page's top and record again.
TEST_F(ModernWordIndexPageTest, PastTheBoundABlockStartsTheNextPart) {
  const MainIndexParts parts({0});
  PageParts page_parts(1, 1);
  ModernWordIndexPages pages(parts, page_parts);
  VectorSource<WordPageEntry> source(HundredAndOneWords(201));
  ASSERT_TRUE(pages.WriteHead(area_, state_, 1).ok());
  ASSERT_TRUE(pages.WriteEntries(state_, 1, source).ok());
  EXPECT_EQ(page_parts.Names(),
            (std::vector<std::string>{"i_1_2.htm", "i_1_2.js", "i_1_3.htm",
                                      "i_1_3.js"}));
  // A part's record names the last word it holds.
  EXPECT_EQ(Read("i_1_2.js"), "docbasePart(\"i_1_3.htm\",{\"l\":10000199});\r\n");
  const std::string first = Read("i_1.htm");
  EXPECT_NE(first.find("</main>\r\n<nav class=\"part\" aria-label=\"Part "
                       "after\"><a id=\"next-part\" href=\"i_1_2.htm\">"
                       "Continued in part 2</a></nav>\r\n</body>"),
            std::string::npos);
  const std::string second = Read("i_1_2.htm");
  EXPECT_EQ(MainOf(second).find(
                "<div class=\"blk wi\">\r\n<p id=\"id10000100\" data-k=\"1\">"
                "<b>w</b> page_1.htm (1)</p>\r\n"),
            0u);
  EXPECT_NE(second.find("<h1>Word index, group 1, part 2</h1>"),
            std::string::npos);
  EXPECT_NE(second.find("id=\"list-data\""), std::string::npos);
  EXPECT_NE(second.find("Continued from <a href=\"i_1.htm\">"),
            std::string::npos);
}

}  // namespace
}  // namespace docbase
