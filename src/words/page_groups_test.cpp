#include "words/page_groups.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/test_support.h"
#include "driver/scripted_console.h"
#include "words/word_tables_fixture.h"

namespace docbase {
namespace {

using testing::Occurrence;
using testing::QuotedLine;
using testing::ReadFile;
using testing::WriteFile;
namespace fs = std::filesystem;

class PageGroupsTest : public ::testing::Test {
 protected:
  // One word occurrence on each of `pages` pages (page_01.htm ...).
  void OneWordPerPage(int pages) {
    std::vector<Occurrence> occurrences;
    for (int page = 1; page <= pages; ++page) {
      occurrences.push_back({"page_" + ZeroPadded(page, 2) + ".htm", 1, 1,
                             "word" + std::to_string(page)});
    }
    testing::WriteWordTables(area_, occurrences);
  }

  void RunPhase(int64_t group_size) {
    state_.input_file_count = group_size;
    ASSERT_TRUE(BuildPageGroups(area_, state_, console_).ok());
    ASSERT_TRUE(SplitWordsByGroup(area_, state_).ok());
  }

  std::string Read(const std::string& name) {
    EXPECT_TRUE(fs::exists(area_.Path(name))) << name;
    return ReadFile(area_.Path(name));
  }

  testing::TempFolder folder_;
  WorkArea area_{folder_.path()};
  RunState state_;
  ScriptedConsole console_;
};

TEST_F(PageGroupsTest, FourInputFilesGiveFivePagesInTwoGroups) {
  OneWordPerPage(5);
  RunPhase(4);
  EXPECT_EQ(state_.group_count, 2);
  EXPECT_EQ(Read("group_page_all.txt"),
            "page_01.htm\r\npage_02.htm\r\npage_03.htm\r\npage_04.htm\r\n"
            "page_05.htm\r\n");
  EXPECT_EQ(Read("group_search_1.txt"),
            "\"page_01.htm\"\r\n\"page_02.htm\"\r\n\"page_03.htm\"\r\n"
            "\"page_04.htm\"\r\n");
  EXPECT_EQ(Read("group_search_2.txt"), "\"page_05.htm\"\r\n");
  EXPECT_FALSE(fs::exists(area_.Path("group_search_3.txt")));
  EXPECT_EQ(state_.sort_input_name, "group_page_all.txt");
  EXPECT_EQ(state_.sort_output_name, "group_page_all_sort.txt");
  EXPECT_EQ(Read("wrd_11_2.txt"),
            QuotedLine({"page_05.htm", "         1", "     1", "word5",
                        "id00000004", "1"}));
  std::string wrd_15;
  for (int page = 1; page <= 5; ++page) {
    wrd_15 += QuotedLine({WordId(page - 1), page < 5 ? "    1" : "    2",
                          "page_0" + std::to_string(page) + ".htm",
                          "         1", "     1",
                          "word" + std::to_string(page), "1"});
  }
  EXPECT_EQ(Read("wrd_15.txt"), wrd_15);
}

TEST_F(PageGroupsTest, FullLastGroupIsFollowedByAnEmptyGroup) {
  OneWordPerPage(4);
  RunPhase(2);
  EXPECT_EQ(state_.group_count, 3);
  EXPECT_EQ(Read("group_search_2.txt"),
            "\"page_03.htm\"\r\n\"page_04.htm\"\r\n");
  for (const char* name :
       {"group_search_3.txt", "wrd_11_3.txt", "wrd_12_3.txt", "wrd_13_3.txt",
        "wrd_14_3.txt", "wrd_24_3.txt"}) {
    EXPECT_EQ(Read(name), "") << name;
  }
  EXPECT_NE(Read("wrd_24_2.txt"), "");
}

TEST_F(PageGroupsTest, GroupSizeOneKeepsEveryPageInGroupOne) {
  OneWordPerPage(3);
  RunPhase(1);
  EXPECT_EQ(state_.group_count, 1);
  EXPECT_EQ(Read("group_search_1.txt"),
            "\"page_01.htm\"\r\n\"page_02.htm\"\r\n\"page_03.htm\"\r\n");
  EXPECT_FALSE(fs::exists(area_.Path("group_search_2.txt")));
}

TEST_F(PageGroupsTest, NoRecordsGiveOneEmptyGroup) {
  testing::WriteWordTables(area_, {});
  RunPhase(3);
  EXPECT_EQ(state_.group_count, 1);
  for (const char* name : {"group_page_all.txt", "group_search_1.txt",
                           "wrd_11_1.txt", "wrd_14_1.txt", "wrd_15.txt",
                           "wrd_24_1.txt"}) {
    EXPECT_EQ(Read(name), "") << name;
  }
}

// Hand-made tables: "apple" on page_01 at line 3 in two spellings (col 20
// "Apple", col 5 "apple"; wrd_03.txt orders them by spelling, the id order
// table by column), once more on line 4 and once on page_02; "Banana" once.
TEST_F(PageGroupsTest, ExactTablesOfASmallSet) {
  const std::string apple = "id00000000", banana = "id00000004";
  const std::string l1 = "         1", l3 = "         3", l4 = "         4";
  const std::string c1 = "     1", c5 = "     5", c7 = "     7",
                    c12 = "    12", c20 = "    20";
  const std::string p1 = "page_01.htm", p2 = "page_02.htm";
  const std::string wrd_03 = QuotedLine({p1, l3, c20, "Apple", apple}) +
                             QuotedLine({p1, l3, c5, "apple", apple}) +
                             QuotedLine({p1, l4, c1, "apple", apple}) +
                             QuotedLine({p2, l1, c7, "APPLE", apple}) +
                             QuotedLine({p1, l3, c12, "Banana", banana});
  WriteFile(area_.Path("wrd_03.txt"), wrd_03);
  // wrd_07.txt in document order; wrd_08.txt by inverted number, id.
  const std::string records[] = {
      QuotedLine({"99999998", apple, p1, l3, c5, "apple", apple, "2"}),
      QuotedLine({"99999999", banana, p1, l3, c12, "Banana", banana, "1"}),
      QuotedLine({"99999999", apple, p1, l3, c20, "Apple", apple, "1"}),
      QuotedLine({"99999997", apple, p1, l4, c1, "apple", apple, "3"}),
      QuotedLine({"99999996", apple, p2, l1, c7, "APPLE", apple, "4"})};
  WriteFile(area_.Path("wrd_07.txt"),
            records[0] + records[1] + records[2] + records[3] + records[4]);
  WriteFile(area_.Path("wrd_08.txt"),
            records[4] + records[3] + records[0] + records[2] + records[1]);
  RunPhase(5);
  ASSERT_EQ(state_.group_count, 1);

  const std::string wrd_10_01 =
      QuotedLine({p1, l4, c1, "apple", apple, "3"}) +
      QuotedLine({p1, l3, c5, "apple", apple, "2"}) +
      QuotedLine({p1, l3, c20, "Apple", apple, "1"}) +
      QuotedLine({p1, l3, c12, "Banana", banana, "1"});
  const std::string wrd_10_02 = QuotedLine({p2, l1, c7, "APPLE", apple, "4"});
  EXPECT_EQ(Read("wrd_10_01.txt"), wrd_10_01);
  EXPECT_EQ(Read("wrd_10_02.txt"), wrd_10_02);
  EXPECT_EQ(Read("wrd_11_1.txt"), wrd_10_01 + wrd_10_02);
  EXPECT_EQ(Read("wrd_13_1.txt"),
            QuotedLine({apple, p1, l4, c1, "apple", apple, "3"}) +
                QuotedLine({apple, p1, l3, c5, "apple", apple, "2"}) +
                QuotedLine({apple, p1, l3, c20, "Apple", apple, "1"}) +
                QuotedLine({banana, p1, l3, c12, "Banana", banana, "1"}) +
                QuotedLine({apple, p2, l1, c7, "APPLE", apple, "4"}));
  EXPECT_EQ(Read("wrd_15.txt"),
            QuotedLine({apple, "    1", p1, l4, c1, "apple", "3"}) +
                QuotedLine({apple, "    1", p1, l3, c5, "apple", "2"}) +
                QuotedLine({apple, "    1", p1, l3, c20, "Apple", "1"}) +
                QuotedLine({banana, "    1", p1, l3, c12, "Banana", "1"}) +
                QuotedLine({apple, "    1", p2, l1, c7, "APPLE", "4"}));
  EXPECT_EQ(Read("wrd_12_1.txt"),
            QuotedLine({p1, l3, c5, "apple", apple, "2"}) +
                QuotedLine({p1, l3, c12, "Banana", banana, "1"}) +
                QuotedLine({p1, l3, c20, "Apple", apple, "1"}) +
                QuotedLine({p1, l4, c1, "apple", apple, "3"}) +
                QuotedLine({p2, l1, c7, "APPLE", apple, "4"}));
  EXPECT_EQ(Read("wrd_14_1.txt"),
            QuotedLine({apple, p1, l3, c5, "apple", apple, "2"}) +
                QuotedLine({apple, p1, l3, c20, "Apple", apple, "1"}) +
                QuotedLine({apple, p1, l4, c1, "apple", apple, "3"}) +
                QuotedLine({apple, p2, l1, c7, "APPLE", apple, "4"}) +
                QuotedLine({banana, p1, l3, c12, "Banana", banana, "1"}));
  EXPECT_EQ(Read("wrd_24_1.txt"),
            QuotedLine({p1, l3, c5, "apple", apple, "2", p2}) +
                QuotedLine({p1, l3, c12, "Banana", banana, "1", ""}) +
                QuotedLine({p1, l3, c20, "Apple", apple, "1", p2}) +
                QuotedLine({p1, l4, c1, "apple", apple, "3", p2}) +
                QuotedLine({p2, l1, c7, "APPLE", apple, "4", ""}));
  EXPECT_EQ(Read("id00000000.txt"), wrd_03.substr(0, wrd_03.rfind("\"page")));
  EXPECT_EQ(Read("id00000004.txt"),
            QuotedLine({p1, l3, c12, "Banana", banana}));
}

TEST_F(PageGroupsTest, NextPagesAcrossGroupsAndIdsInsideWords) {
  // "pear" gets id00000000; the word "qid00000000" holds that id as text
  // on page_02 and must not count as an occurrence of "pear".
  testing::WriteWordTables(area_, {{"page_01.htm", 1, 1, "pear"},
                                   {"page_01.htm", 2, 1, "Pear"},
                                   {"page_02.htm", 1, 1, "qid00000000"},
                                   {"page_03.htm", 1, 1, "pear"},
                                   {"page_04.htm", 1, 1, "pear"}});
  RunPhase(2);
  ASSERT_EQ(state_.group_count, 3);
  const std::string l1 = "         1", l2 = "         2", c1 = "     1";
  const std::string pear = "id00000000", qid = "id00000004";
  EXPECT_EQ(Read("wrd_24_1.txt"),
            QuotedLine({"page_01.htm", l1, c1, "pear", pear, "1",
                        "page_03.htm"}) +
                QuotedLine({"page_01.htm", l2, c1, "Pear", pear, "2",
                            "page_03.htm"}) +
                QuotedLine({"page_02.htm", l1, c1, "qid00000000", qid, "1",
                            ""}));
  EXPECT_EQ(Read("wrd_24_2.txt"),
            QuotedLine({"page_03.htm", l1, c1, "pear", pear, "3",
                        "page_04.htm"}) +
                QuotedLine({"page_04.htm", l1, c1, "pear", pear, "4", ""}));
  EXPECT_EQ(Read("id00000000.txt"),
            QuotedLine({"page_01.htm", l1, c1, "pear", pear}) +
                QuotedLine({"page_01.htm", l2, c1, "Pear", pear}) +
                QuotedLine({"page_03.htm", l1, c1, "pear", pear}) +
                QuotedLine({"page_04.htm", l1, c1, "pear", pear}));
  EXPECT_EQ(Read("id00000004.txt"),
            QuotedLine({"page_02.htm", l1, c1, "qid00000000", qid}));
}

TEST_F(PageGroupsTest, UnwritableWorkAreaIsAnIoError) {
  OneWordPerPage(2);
  fs::create_directory(area_.Path("wrd_11_1.txt"));
  state_.input_file_count = 5;
  ASSERT_TRUE(BuildPageGroups(area_, state_, console_).ok());
  Status status = SplitWordsByGroup(area_, state_);
  EXPECT_TRUE(status.io_error());
  EXPECT_NE(status.path().find("wrd_11_1.txt"), std::string::npos);
}

}  // namespace
}  // namespace docbase
