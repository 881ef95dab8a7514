#include "html/modern/word_index_page.h"

#include <gtest/gtest.h>

#include <string>

#include "html/modern/list_page_test_support.h"
#include "html/page_test_fixture.h"

namespace docbase {
namespace {

class ModernWordIndexPageTest : public GeneratedPageTest {};

// A word on two pages is one paragraph with a line per page; the links
// that depend on the word alone (its main-index part, the web search) come
// once; the word and the page names are escaped, the query encoded; a
// word of the second main-index part links there.
TEST_F(ModernWordIndexPageTest, OneParagraphPerWordWithItsLinks) {
  const MainIndexParts parts({0, 5});
  ModernWordIndexPages pages(parts);
  VectorSource<WordPageEntry> source({
      {"id00000001", "p&1.htm", 3, "a<b", "1", 2},
      {"id00000001", "page_2.htm", 3, "a<b", "4", 1},
      {"id00000007", "page_2.htm", 3, "zeta", "2", 1},
  });
  ASSERT_TRUE(pages.WriteHead(area_, state_, 3).ok());
  ASSERT_TRUE(pages.WriteEntries(state_, 3, source).ok());
  EXPECT_EQ(
      MainOf(Read("i_3.htm")),
      "<div class=\"blk wi\">\r\n"
      "<p id=\"id00000001\"><a href=\"p&amp;1.htm#id00000001\">a&lt;b</a> "
      "(p&amp;1.htm, 2) <a href=\"s_3.htm#id00000001_1\">s_3</a> "
      "<a href=\"files_list.htm#p&amp;1.htm\">Content</a> "
      "<a href=\"index_1.htm#id00000001\">index</a> "
      "<a class=\"web\" href=\"http://www.google.com/search?q="
      "a%3Cb%20site%3Awww.example.com\">www.example.com</a><br>\r\n"
      "<a href=\"page_2.htm#id00000001\">page_2.htm</a> (1) "
      "<a href=\"s_3.htm#id00000001_4\">s_3</a> "
      "<a href=\"files_list.htm#page_2.htm\">Content</a></p>\r\n"
      "<p id=\"id00000007\"><a href=\"page_2.htm#id00000007\">zeta</a> "
      "(page_2.htm, 1) <a href=\"s_3.htm#id00000007_2\">s_3</a> "
      "<a href=\"files_list.htm#page_2.htm\">Content</a> "
      "<a href=\"index_2.htm#id00000007\">index</a> "
      "<a class=\"web\" href=\"http://www.google.com/search?q="
      "zeta%20site%3Awww.example.com\">www.example.com</a></p>\r\n"
      "</div>\r\n");
}

// Without a target site no web search; every 100 words a new block.
TEST_F(ModernWordIndexPageTest, BlocksOfAHundredWordsAndNoSiteNoSearch) {
  state_.target_site.clear();
  const MainIndexParts parts({0});
  ModernWordIndexPages pages(parts);
  std::vector<WordPageEntry> entries;
  for (int word = 0; word < 101; ++word) {
    entries.push_back({Keep("id" + std::to_string(10000000 + word)),
                       "page_1.htm", 1, "w", "1", 1});
  }
  VectorSource<WordPageEntry> source(std::move(entries));
  ASSERT_TRUE(pages.WriteHead(area_, state_, 1).ok());
  ASSERT_TRUE(pages.WriteEntries(state_, 1, source).ok());
  const std::string main = MainOf(Read("i_1.htm"));
  EXPECT_EQ(main.find("class=\"web\""), std::string::npos);
  EXPECT_EQ(main.rfind("<div class=\"blk wi\">\r\n<p id=\"id10000100\">"),
            main.find("<div class=\"blk wi\">", 1));
}

}  // namespace
}  // namespace docbase
