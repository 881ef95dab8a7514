#include "html/modern/contents_page.h"

#include <gtest/gtest.h>

#include <string>

#include "html/page_test_fixture.h"

namespace docbase {
namespace {

class ModernContentsPageTest : public GeneratedPageTest {};

// An entry per page, its name the id and the link, with the name of the
// text it was made from; numbered lists of 250 going on with the numbers.
TEST_F(ModernContentsPageTest, AnEntryPerPageInNumberedBlocks) {
  WordCensus census;
  std::vector<std::string> names;
  for (int page = 1; page <= 251; ++page) {
    names.push_back("p" + std::to_string(1000 + page) + ".htm");
    PageTally tally;
    tally.name = names.back();
    tally.origin.from = "txt_in/a&b " + std::to_string(page) + ".txt";
    census.pages.push_back(tally);
  }
  ASSERT_TRUE(WriteModernContentsPage(area_, state_, census, names).ok());
  const std::string page = Read("files_list.htm");
  EXPECT_NE(page.find("<ol class=\"blk contents\" start=\"1\">\r\n"
                      "<li id=\"p1001.htm\"><a href=\"p1001.htm\">p1001.htm</a>"
                      " <span class=\"text-name\">a&amp;b 1.txt</span></li>"),
            std::string::npos);
  EXPECT_NE(page.find("a&amp;b 250.txt</span></li>\r\n</ol>\r\n"
                      "<ol class=\"blk contents\" start=\"251\">\r\n"
                      "<li id=\"p1251.htm\">"),
            std::string::npos);
  EXPECT_NE(page.find("<h1>Contents</h1>\r\n<nav><a href=\"index.htm\">Index "
                      "of all words</a></nav>\r\n<p class=\"about\">251 pages "
                      "with indexed words."),
            std::string::npos);
}

}  // namespace
}  // namespace docbase
