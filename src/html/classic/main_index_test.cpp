#include "html/classic/main_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "html/page_test_fixture.h"

namespace docbase {
namespace {

// One occurrence, as an entry of its own.
WordPageEntry Occurrence(std::string_view id, uint32_t group,
                         std::string_view page, std::string_view word,
                         std::string_view k) {
  return WordPageEntry{id, page, group, word, k, 1};
}

std::string ExpectedHeader() {
  return ExpectedKeyWordsPageTop() +
         "<br><br>\r\n"
         "Use a combination of two keys (CTRL + F) to search.\r\n"
         "<br><br>\r\n";
}

class MainIndexTest : public GeneratedPageTest {
 protected:
  void WriteIndex(std::vector<WordPageEntry> entries) {
    VectorSource<WordPageEntry> source(std::move(entries));
    ASSERT_TRUE(WriteMainIndex(area_, state_, source).ok());
  }
};

TEST_F(MainIndexTest, WordInTwoGroupsGetsTwoLinksWithTheirCounts) {
  WriteIndex({Occurrence("id00000000", 1, "page_1.htm", "Apple", "00000001"),
              Occurrence("id00000000", 1, "page_1.htm", "apple", "00000002"),
              Occurrence("id00000000", 2, "page_3.htm", "APPLE", "00000003"),
              Occurrence("id00000003", 2, "page_3.htm", "pear", "00000001")});
  EXPECT_EQ(Read("index.htm"),
            ExpectedHeader() +
                "Apple\r\n"
                "&nbsp;&nbsp;<a href=\"i_1.htm#id00000000\" "
                "id=\"id00000000\">(i_1,&nbsp;&nbsp;2)</a>\r\n"
                "&nbsp;&nbsp;<a href=\"i_2.htm#id00000000\" "
                "id=\"id00000000\">(i_2,&nbsp;&nbsp;1)</a>\r\n"
                "<br>\r\n"
                "pear\r\n"
                "&nbsp;&nbsp;<a href=\"i_2.htm#id00000003\" "
                "id=\"id00000003\">(i_2,&nbsp;&nbsp;1)</a>\r\n"
                "</body>\r\n"
                "</html>\r\n");
}

TEST_F(MainIndexTest, NoRecordsGiveHeaderAndClosingOnly) {
  WriteIndex({});
  EXPECT_EQ(Read("index.htm"), ExpectedHeader() + "</body>\r\n</html>\r\n");
}

// Each group link counts the occurrences of its word in its group, summed
// over the entries of the group's pages; a word spelled like an id is only
// a word.
TEST_F(MainIndexTest, CountsSumTheEntriesOfEachGroup) {
  std::vector<WordPageEntry> occurrences = {
      Occurrence("id00000002", 1, "page_1.htm", "beta", "1"),
      Occurrence("id00000000", 1, "page_1.htm", "alpha", "1"),
      Occurrence("id00000002", 1, "page_2.htm", "Beta", "2"),
      Occurrence("id00000005", 1, "page_2.htm", "id00000000", "1"),
      Occurrence("id00000002", 2, "page_3.htm", "beta", "3"),
      Occurrence("id00000000", 2, "page_3.htm", "alpha", "2"),
      Occurrence("id00000000", 2, "page_4.htm", "ALPHA", "3"),
      Occurrence("id00000009", 2, "page_4.htm", "gamma", "1"),
  };
  std::stable_sort(occurrences.begin(), occurrences.end(),
                   [](const WordPageEntry& a, const WordPageEntry& b) {
                     return a.id != b.id ? a.id < b.id : a.page < b.page;
                   });
  WriteIndex(EntriesOfRuns(occurrences));

  const std::string index = Read("index.htm");
  // Each group link: &nbsp;&nbsp;<a href="i_G.htm#ID"
  // id="ID">(i_G,&nbsp;&nbsp;N)</a>
  std::vector<std::string> links;
  const std::string start = "&nbsp;&nbsp;<a href=\"i_";
  for (size_t at = index.find(start); at != std::string::npos;
       at = index.find(start, at + 1)) {
    const size_t group = at + start.size();
    const size_t id = index.find(".htm#", group) + 5;
    const size_t count = index.find(",&nbsp;&nbsp;", id) + 13;
    links.push_back(index.substr(id, 10) + " i_" +
                    index.substr(group, index.find('.', group) - group) + " " +
                    index.substr(count, index.find(')', count) - count));
  }
  EXPECT_EQ(links,
            (std::vector<std::string>{"id00000000 i_1 1", "id00000000 i_2 2",
                                      "id00000002 i_1 2", "id00000002 i_2 1",
                                      "id00000005 i_1 1", "id00000009 i_2 1"}));
}

}  // namespace
}  // namespace docbase
