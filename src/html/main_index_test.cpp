#include "html/main_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "common/text.h"
#include "driver/scripted_console.h"
#include "html/page_test_fixture.h"
#include "workarea/commands.h"

namespace docbase {
namespace {

// A wrd_16 record: id, grp, page, line, col, word, k.
std::string Sorted(std::string_view id, int group, std::string_view page,
                   int line, std::string_view word, std::string_view k) {
  return Record({id, BlankPadded(group, 5), page, BlankPadded(line, 10),
                 "     1", word, k});
}

std::string ExpectedHeader() {
  return ExpectedPageHead("index of key words") + "<br>\r\n" +
         std::string(kExpectedIntro) +
         "Details:\r\n"
         "<br>\r\n"
         "<a href=\"http://www.example.com/info\">"
         "http://www.example.com/info</a>\r\n"
         "<br><br>\r\n" +
         std::string(kExpectedDateTime) +
         "<br><br>\r\n"
         "Use a combination of two keys (CTRL + F) to search.\r\n"
         "<br><br>\r\n";
}

class MainIndexTest : public GeneratedPageTest {
 protected:
  bool Exists(std::string_view name) const {
    return std::filesystem::exists(area_.Path(name));
  }
  ScriptedConsole console_;
};

TEST_F(MainIndexTest, WordInTwoGroupsGetsTwoLinksWithTheirCounts) {
  Write("wrd_16.txt",
        Sorted("id00000000", 1, "page_1.htm", 1, "Apple", "00000001") +
            Sorted("id00000000", 1, "page_1.htm", 2, "apple", "00000002") +
            Sorted("id00000000", 2, "page_3.htm", 1, "APPLE", "00000003") +
            Sorted("id00000003", 2, "page_3.htm", 1, "pear", "00000001"));
  ASSERT_TRUE(WriteMainIndex(area_, state_, console_, 4).ok());
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
  EXPECT_EQ(console_.output(), "processed 80%\r\n");
  // Each count file as the group's last count command leaves it.
  EXPECT_EQ(Read("wrd_11_1_count.txt"), "---------- wrd_11_1.txt: 2\r\n");
  EXPECT_EQ(Read("wrd_11_2_count.txt"), "---------- wrd_11_2.txt: 1\r\n");
}

TEST_F(MainIndexTest, ProgressLineNeedsThreeRecords) {
  Write("wrd_16.txt",
        Sorted("id00000000", 1, "page_1.htm", 1, "one", "00000001") +
            Sorted("id00000001", 1, "page_1.htm", 1, "two", "00000001"));
  ASSERT_TRUE(WriteMainIndex(area_, state_, console_, 2).ok());
  EXPECT_EQ(console_.output(), "");

  Write("wrd_16.txt", Read("wrd_16.txt") +
                          Sorted("id00000002", 1, "page_1.htm", 1, "six",
                                 "00000001"));
  ASSERT_TRUE(WriteMainIndex(area_, state_, console_, 3).ok());
  EXPECT_EQ(console_.output(), "processed 80%\r\n");
}

TEST_F(MainIndexTest, NoRecordsGiveHeaderAndClosingOnly) {
  Write("wrd_16.txt", "");
  ASSERT_TRUE(WriteMainIndex(area_, state_, console_, 0).ok());
  EXPECT_EQ(Read("index.htm"), ExpectedHeader() + "</body>\r\n</html>\r\n");
  EXPECT_EQ(console_.output(), "");
  EXPECT_FALSE(Exists("wrd_11_1_count.txt"));
}

// The counts taken from wrd_16.txt equal those of the count command over
// the wrd_11_ files the records came from, the count files included.
TEST_F(MainIndexTest, CountsMatchTheCountCommand) {
  struct Occ {
    int group;
    std::string page;
    int line;
    std::string word;
    std::string id;
  };
  const std::vector<Occ> occurrences = {
      {1, "page_1.htm", 1, "beta", "id00000002"},
      {1, "page_1.htm", 1, "alpha", "id00000000"},
      {1, "page_2.htm", 3, "Beta", "id00000002"},
      {1, "page_2.htm", 4, "id00000000", "id00000005"},  // a word like an id
      {2, "page_3.htm", 1, "beta", "id00000002"},
      {2, "page_3.htm", 2, "alpha", "id00000000"},
      {2, "page_4.htm", 1, "ALPHA", "id00000000"},
      {2, "page_4.htm", 5, "gamma", "id00000009"},
  };
  std::string wrd_11[3];
  std::vector<std::string> wrd_15;
  for (const Occ& occ : occurrences) {
    std::string line = BlankPadded(occ.line, 10);
    wrd_11[occ.group] += Record({occ.page, line, "     1", occ.word, occ.id,
                                 "00000001"});
    wrd_15.push_back(Record({occ.id, BlankPadded(occ.group, 5), occ.page,
                             line, "     1", occ.word, "00000001"}));
  }
  Write("wrd_11_1.txt", wrd_11[1]);
  Write("wrd_11_2.txt", wrd_11[2]);
  std::sort(wrd_15.begin(), wrd_15.end());
  std::string wrd_16;
  for (const std::string& record : wrd_15) wrd_16 += record;
  Write("wrd_16.txt", wrd_16);

  ASSERT_TRUE(WriteMainIndex(area_, state_, console_, 8).ok());
  std::string index = Read("index.htm");
  const std::regex link(
      "<a href=\"i_(\\d+)\\.htm#(id\\d{8})\" id=\"id\\d{8}\">\\(i_\\d+,"
      "&nbsp;&nbsp;(\\d+)\\)</a>");
  int links = 0;
  for (auto it = std::sregex_iterator(index.begin(), index.end(), link);
       it != std::sregex_iterator(); ++it, ++links) {
    std::string group = (*it)[1];
    std::string counted = "wrd_11_" + group + ".txt";
    ASSERT_TRUE(
        CountWordIdLines(area_, (*it)[2].str(), counted, "check.txt").ok());
    EXPECT_EQ(Read("check.txt"),
              "---------- " + counted + ": " + (*it)[3].str() + "\r\n");
  }
  EXPECT_EQ(links, 6);
  // The last links of the groups name id00000005 (group 1) and id00000009.
  ASSERT_TRUE(CountWordIdLines(area_, "id00000005", "wrd_11_1.txt",
                               "check.txt")
                  .ok());
  EXPECT_EQ(Read("wrd_11_1_count.txt"), Read("check.txt"));
  ASSERT_TRUE(CountWordIdLines(area_, "id00000009", "wrd_11_2.txt",
                               "check.txt")
                  .ok());
  EXPECT_EQ(Read("wrd_11_2_count.txt"), Read("check.txt"));
}

}  // namespace
}  // namespace docbase
