#include "html/modern/search_page.h"

#include <gtest/gtest.h>

#include <string>

#include "html/modern/list_page_test_support.h"
#include "html/page_test_fixture.h"

namespace docbase {
namespace {

class ModernSearchPageTest : public GeneratedPageTest {};

OccurrenceRecord Occurrence(std::string_view page, uint64_t line,
                            std::string_view word, std::string_view id,
                            std::string_view k) {
  OccurrenceRecord record;
  record.page = page;
  record.line = line;
  record.word = word;
  record.id = id;
  record.k_text = k;
  return record;
}

// A paragraph per line, each word carrying its occurrence id and linking to
// the word index; the line's links name its first word and its page; a
// block ends with each page; words are escaped, phrases encoded.
TEST_F(ModernSearchPageTest, LinesOfWordsWithTheirLinksAndBlocksByPage) {
  const MainIndexParts parts({0, 5});
  VectorSource<OccurrenceRecord> source({
      Occurrence("p1.htm", 1, "alpha", "id00000001", "1"),
      Occurrence("p1.htm", 1, "x&y", "id00000002", "1"),
      Occurrence("p1.htm", 2, "alpha", "id00000001", "2"),
      Occurrence("p2.htm", 1, "beta", "id00000006", "1"),
  });
  ASSERT_TRUE(
      WriteModernSearchPage(area_, state_, parts, random_, 2, source).ok());
  const std::string web = "<a class=\"web\" href=\"http://www.google.com/search?q=";
  EXPECT_EQ(
      MainOf(Read("s_2.htm")),
      "<div class=\"blk sp\">\r\n<h2><a href=\"p1.htm\">p1.htm</a></h2>\r\n"
      "<p> <a id=\"id00000001_1\" href=\"i_2.htm#id00000001\">alpha</a>"
      " <a id=\"id00000002_1\" href=\"i_2.htm#id00000002\">x&amp;y</a>"
      " <a class=\"l\" href=\"i_2.htm#id00000001\">i_2</a>"
      " <a href=\"index_1.htm#id00000001\">index</a>"
      " <a href=\"files_list.htm#p1.htm\">Content (p1.htm)</a> " +
          web + "alpha%20x%26y%20%20site%3Awww.example.org\">www.example.org</a> " +
          web + "alpha%20x%26y%20%20site%3Awww.example.com\">www.example.com</a> " +
          web + "alpha%20x%26y%20\">web search</a></p>\r\n"
          "<p> <a id=\"id00000001_2\" href=\"i_2.htm#id00000001\">alpha</a>"
          " <a class=\"l\" href=\"i_2.htm#id00000001\">i_2</a>"
          " <a href=\"index_1.htm#id00000001\">index</a>"
          " <a href=\"files_list.htm#p1.htm\">Content (p1.htm)</a> " +
          web + "alpha%20%20site%3Awww.example.org\">www.example.org</a> " +
          web + "alpha%20%20site%3Awww.example.com\">www.example.com</a> " +
          web + "alpha%20\">web search</a></p>\r\n</div>\r\n"
          "<div class=\"blk sp\">\r\n<h2><a href=\"p2.htm\">p2.htm</a></h2>\r\n"
          "<p> <a id=\"id00000006_1\" href=\"i_2.htm#id00000006\">beta</a>"
          " <a class=\"l\" href=\"i_2.htm#id00000006\">i_2</a>"
          " <a href=\"index_2.htm#id00000006\">index</a>"
          " <a href=\"files_list.htm#p2.htm\">Content (p2.htm)</a> " +
          web + "beta%20%20site%3Awww.example.org\">www.example.org</a> " +
          web + "beta%20%20site%3Awww.example.com\">www.example.com</a> " +
          web + "beta%20\">web search</a></p>\r\n</div>\r\n");
}

}  // namespace
}  // namespace docbase
