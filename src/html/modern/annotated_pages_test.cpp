#include "html/modern/annotated_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "html/page_test_fixture.h"
#include "pages/input_pages_for_test.h"

namespace docbase {
namespace {

class ModernAnnotatedPagesTest : public GeneratedPageTest {};

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

// Every occurrence is a span with its classic anchor, the first of a word
// wrapped in one with the word id; the text between words is kept, a bare
// "&" escaped; the bars link the neighbours; the record the script builds
// strips from lists each word with a strip once.
TEST_F(ModernAnnotatedPagesTest, OccurrenceAnchorsTextBarsAndWordRecords) {
  const NumberedPage input = testing::InputPage(
      area_, "page_2.htm", "<body>\r\nsun & sun\r\nPages_list\r\n</body>\r\n");
  std::vector<OccurrenceRecord> records = {
      Occurrence(2, 5, "sun", "id00000003", 1, 2, "page_3.htm"),
      Occurrence(2, 11, "sun", "id00000003", 2, 2, "page_3.htm"),
      Occurrence(3, 5, "Pages_list", "id00000001", 1, 1, ""),
  };
  for (OccurrenceRecord& record : records) record.origin = &input.origin;
  VectorSource<OccurrenceRecord> source(std::move(records));
  const PageNeighbours neighbours({"page_1.htm", "page_2.htm", "page_3.htm"});
  ASSERT_TRUE(
      WriteModernPages(area_, state_.display, neighbours, 4, source).ok());
  const std::string page = Read("page_2.htm");
  const std::string bar =
      "<nav class=\"bar\"><a href=\"page_1.htm\">Before</a> <a "
      "href=\"page_3.htm\">Next</a> <a href=\"files_list.htm\">Content</a>"
      "</nav>\r\n";
  // The block's first line (the body line) loses its break and the body tag.
  EXPECT_NE(page.find(bar + "<div class=\"blk\">\r\n<br><span id=\"id00000003\">"
                            "<span id=\"id00000003_1\">sun"
                            "</span></span> &amp; <span id=\"id00000003_2\">sun"
                            "</span>\r\n"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<span id=\"id00000001\"><span id=\"id00000001_1\">"
                      "Pages_list</span></span>"),
            std::string::npos);
  EXPECT_NE(page.find("</div>\r\n" + bar + "</div>\r\n"), std::string::npos);
  EXPECT_NE(page.find("{\"index\":\"i_4.htm\",\"search\":\"s_4.htm\","
                      "\"contents\":\"files_list.htm\",\"words\":{\r\n"
                      "\"id00000003\":[2,\"page_3.htm\"]}}</script>"),
            std::string::npos)
      << page;
  EXPECT_EQ(page.find("<body>", page.find("<body>") + 1), std::string::npos);
}

}  // namespace
}  // namespace docbase
