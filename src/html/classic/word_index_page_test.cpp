#include "html/classic/word_index_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/test_support.h"
#include "base/text.h"
#include "html/page_test_fixture.h"

namespace docbase {
namespace {

constexpr std::string_view kPromotionMarker =
    "<br> <b> PROMOTE YOUR BRAND WITH OUR PROGRAMS </b>\r\n";

// One occurrence, as an entry of its own.
WordPageEntry Occurrence(std::string_view id, std::string_view page,
                         std::string_view word, std::string_view k) {
  return WordPageEntry{id, page, 0, word, k, 1};
}

class WordIndexPageTest : public GeneratedPageTest {
 protected:
  std::string WritePage(WordIndexPages& pages, int64_t group,
                        const std::vector<WordPageEntry>& occurrences) {
    EXPECT_TRUE(pages.WriteHead(area_, state_, group).ok());
    VectorSource<WordPageEntry> source(EntriesOfRuns(occurrences));
    EXPECT_TRUE(pages.WriteEntries(state_, group, source).ok());
    return Read("i_" + std::to_string(group) + ".htm");
  }
  // The lines after the head: the contents link and its "<br>".
  static constexpr std::string_view kContentsLink =
      "<a href=\"files_list.htm\"> Content </a><br>\r\n<br>\r\n";
};

std::string ExpectedHead() {
  return ExpectedPageHead("index of key words") +
         "<br>\r\n"
         "<br> <b> PROMOTE YOUR BRAND WITH OUR PROGRAMS </b>\r\n"
         "<br>\r\n"
         "<br> Our programs are intended for companis who want to "
         "consolidate their brand through free distribution of the "
         "programs.\r\n"
         "<br> Advertising messages and search links in the programs are "
         "tailored to each customer individually.\r\n"
         "<br>\r\n"
         "<br> PLACEMENT OF ADVERTISING MESSAGES\r\n"
         "<br> The programs read advertising messages from the web address "
         "specified by the buyer when ordering.\r\n"
         "<br> Advertisement messages are placed in the all-words index and "
         "other output files.\r\n"
         "<br>\r\n"
         "<br> GOOGLE SEARCH PHRASES\r\n"
         "<br> The programs generate Google search strings for all words in "
         "the all-words index and target the web address specified by the "
         "buyer when ordering.\r\n"
         "<br>\r\n"
         "<br> Remember: the all-words index file is accessible while "
         "reading output file, just by double-clicking on any word.\r\n"
         "<br> More info at:\r\n"
         "<br> <a href=\"http://www.example.com/info\">"
         "http://www.example.com/info</a>\r\n"
         "<br>\r\n" +
         std::string(kExpectedIntro) + std::string(kExpectedDateTime) +
         "<br><br>\r\n";
}

using testing::CountOf;

TEST_F(WordIndexPageTest, SingleRunIsOneLineWithoutLinks) {
  WordIndexPages pages;
  EXPECT_EQ(
      WritePage(pages, 1,
                {Occurrence("id00000000", "page_1.htm", "Alpha", "00000001"),
                 Occurrence("id00000000", "page_1.htm", "alpha", "00000002")}),
      ExpectedHead() + std::string(kContentsLink) +
          "<a href=\"page_1.htm#id00000000\" id=\"id00000000\">Alpha"
          "</a>&nbsp;&nbsp;&nbsp; (page_1.htm, 2)<br>\r\n"
          "</body>\r\n</html>\r\n");
}

TEST_F(WordIndexPageTest, EmptyGroupHasHeadContentsLinkAndClosing) {
  WordIndexPages pages;
  EXPECT_EQ(
      WritePage(pages, 2, {}),
      ExpectedHead() + std::string(kContentsLink) + "</body>\r\n</html>\r\n");
}

TEST_F(WordIndexPageTest, WordOnTwoPagesGetsTwoEntriesWithRawSearchQuery) {
  const std::string word = "R&D #1 caf\xc3\xa9";
  const std::vector<WordPageEntry> occurrences = {
      Occurrence("id00000004", "page_07.htm", word, "00000001"),
      Occurrence("id00000004", "page_07.htm", word, "00000002"),
      Occurrence("id00000004", "page_09.htm", word, "00000003"),
      Occurrence("id00000009", "page_08.htm", "zeta", "00000001")};
  WordIndexPages pages;
  const std::string entries =
      "<br>\r\n"
      "<a href=\"page_07.htm#id00000004\" id=\"id00000004\">" +
      word +
      "</a>&nbsp;&nbsp;&nbsp; (page_07.htm, 2)\r\n"
      "&nbsp;&nbsp;<a href=\"s_3.htm#id00000004_00000001\">s_3</a>\r\n"
      "&nbsp;&nbsp;<a href=\"index.htm#id00000004\"> index</a>\r\n"
      "&nbsp;&nbsp;<a href=\"files_list.htm#page_07.htm\"> Content </a>\r\n"
      "&nbsp;&nbsp; <a href=\"http://www.google.com/search?q=" +
      word +
      " site:www.example.com\"> www.example.com</a>\r\n"
      "<br>\r\n"
      "<a href=\"page_09.htm#id00000004\" id=\"id00000004\">" +
      word +
      "</a>&nbsp;&nbsp;&nbsp; (page_09.htm, 1)\r\n"
      "&nbsp;&nbsp;<a href=\"s_3.htm#id00000004_00000003\">s_3</a>\r\n"
      "&nbsp;&nbsp;<a href=\"index.htm#id00000004\"> index</a>\r\n"
      "&nbsp;&nbsp;<a href=\"files_list.htm#page_09.htm\"> Content </a>\r\n"
      "&nbsp;&nbsp; <a href=\"http://www.google.com/search?q=" +
      word +
      " site:www.example.com\"> www.example.com</a>\r\n"
      "<a href=\"page_08.htm#id00000009\" id=\"id00000009\">zeta</a>"
      "&nbsp;&nbsp;&nbsp; (page_08.htm, 1)<br>\r\n";
  EXPECT_EQ(WritePage(pages, 3, occurrences),
            ExpectedHead() + std::string(kContentsLink) + entries +
                "</body>\r\n</html>\r\n");
}

// Group 1 has 60 entries (61 runs), group 2 has 149 (150 runs): the 101st
// entry of the run is group 2's 41st, the 202nd is its 142nd.
TEST_F(WordIndexPageTest, PromotionFollowsEvery101stEntryAcrossGroups) {
  auto runs = [this](int count) {
    std::vector<WordPageEntry> occurrences;
    for (int i = 0; i < count; ++i) {
      std::string_view id =
          Keep(std::string(WordIdText(static_cast<uint64_t>(i)).view()));
      occurrences.push_back(Occurrence(
          id, "page_1.htm", Keep(std::string("w").append(id)), "00000001"));
    }
    return occurrences;
  };
  WordIndexPages pages;
  std::string first = WritePage(pages, 1, runs(61));
  std::string second = WritePage(pages, 2, runs(150));
  EXPECT_EQ(CountOf(first, kPromotionMarker), 1u);  // the head's only
  ASSERT_EQ(CountOf(second, kPromotionMarker), 3u);

  // Each block comes right after the search link of the entry it follows,
  // and before the "<br>" that opens the next entry.
  auto block_after = [](const std::string& id) {
    return "?q=w" + id + " site:www.example.com\"> www.example.com</a>\r\n" +
           "<br>\r\n" + std::string(kPromotionMarker);
  };
  EXPECT_NE(second.find(block_after(std::string(WordIdText(40).view()))),
            std::string::npos);
  EXPECT_NE(second.find(block_after(std::string(WordIdText(141).view()))),
            std::string::npos);
  EXPECT_EQ(CountOf(second, "<br>\r\n<br>\r\n<br> <b> PROMOTE"), 0u);
}

}  // namespace
}  // namespace docbase
