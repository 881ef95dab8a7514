#include "html/classic/contents_page.h"

#include <gtest/gtest.h>

#include "html/page_test_fixture.h"

namespace docbase {
namespace {

class ContentsPageTest : public GeneratedPageTest {};

TEST_F(ContentsPageTest, ListsEveryPageWithItsSpanId) {
  ASSERT_TRUE(
      WriteContentsPage(area_, state_, {"page_01.htm", "page_02.htm"}).ok());
  EXPECT_EQ(
      Read("files_list.htm"),
      ExpectedKeyWordsPageTop() +
          "<br>\r\n"
          "<a href=\"page_01.htm\"><span id = \"page_01.htm\" >page_01.htm"
          "</span></a><br>\r\n"
          "<a href=\"page_02.htm\"><span id = \"page_02.htm\" >page_02.htm"
          "</span></a><br>\r\n"
          "<br><br>\r\n"
          "</body>\r\n"
          "</html>\r\n");
}

TEST_F(ContentsPageTest, EachPassReplacesThePage) {
  state_.display.code_page_name = "windows-1252";
  ASSERT_TRUE(WriteContentsPage(area_, state_, {"page_1.htm"}).ok());
  ASSERT_TRUE(WriteContentsPage(area_, state_, {"page_1.htm"}).ok());
  std::string page = Read("files_list.htm");
  EXPECT_NE(page.find("charset=windows-1252\">\r\n"), std::string::npos);
  EXPECT_EQ(page.find("<a href=\"page_1.htm\">"),
            page.rfind("<a href=\"page_1.htm\">"));
  EXPECT_TRUE(page.ends_with("<br><br>\r\n</body>\r\n</html>\r\n"));
}

}  // namespace
}  // namespace docbase
