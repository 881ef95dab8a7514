#include "html/modern/main_index.h"

#include <gtest/gtest.h>

#include <string>

#include "html/modern/list_page_test_support.h"
#include "html/page_test_fixture.h"

namespace docbase {
namespace {

class ModernMainIndexTest : public GeneratedPageTest {};

// Each word in the part its id falls in, with each group that holds it and
// the sum of the counts of its pages there (the script links them); a part without words is still written; the
// front page gives the totals and each part's range, words escaped.
TEST_F(ModernMainIndexTest, WordsInTheirPartsAndTheFrontPageRanges) {
  const MainIndexParts parts({0, 5, 6});
  VectorSource<WordPageEntry> source({
      {"id00000001", "page_1.htm", 1, "Apple", "1", 2},
      {"id00000001", "page_2.htm", 1, "Apple", "1", 1},
      {"id00000001", "page_3.htm", 2, "Apple", "1", 1},
      {"id00000007", "page_3.htm", 2, "z<", "1", 4},
  });
  ASSERT_TRUE(WriteModernMainIndex(area_, state_, parts, source).ok());
  EXPECT_EQ(MainOf(Read("index_1.htm")),
            "<div class=\"blk mi\">\r\n"
            "<p id=\"id00000001\"><b>Apple</b> i_1 (3), i_2 (1)</p>\r\n"
            "</div>\r\n");
  EXPECT_EQ(MainOf(Read("index_2.htm")), "");
  EXPECT_EQ(MainOf(Read("index_3.htm")),
            "<div class=\"blk mi\">\r\n"
            "<p id=\"id00000007\"><b>z&lt;</b> i_2 (4)</p>\r\n"
            "</div>\r\n");
  const std::string front = MainOf(Read("index.htm"));
  EXPECT_NE(front.find("<p class=\"totals\">2 words, 8 occurrences, in 3 "
                       "pages:</p>\r\n<ol class=\"ranges\" id=\"ranges\">\r\n"
                       "<li><a href=\"index_1.htm\" data-id=\"id00000001\" "
                       "data-first=\"Apple\">Apple &ndash; Apple</a> (1 "
                       "word)</li>\r\n"
                       "<li><a href=\"index_2.htm\">(no words)</a> (0 "
                       "words)</li>\r\n"
                       "<li><a href=\"index_3.htm\" data-id=\"id00000007\" "
                       "data-first=\"z&lt;\">z&lt; &ndash; z&lt;</a> (1 "
                       "word)</li>\r\n</ol>\r\n"),
            std::string::npos)
      << front;
  const std::string part = Read("index_3.htm");
  EXPECT_NE(part.find("<nav><a href=\"index.htm\">All words</a> <a "
                      "rel=\"prev\" href=\"index_2.htm\">Previous part</a> "
                      "<a href=\"files_list.htm\">Contents</a></nav>"),
            std::string::npos);
}

}  // namespace
}  // namespace docbase
