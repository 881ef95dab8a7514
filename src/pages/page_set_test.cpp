#include "pages/page_set.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "pages/page_reader.h"
#include "workarea/commands.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace fs = std::filesystem;

using Names = std::vector<std::string>;

class PageSetTest : public ::testing::Test {
 protected:
  PageSetTest() {
    fs::create_directory(area_.Path("htm_in"));
    settings_.info_address = "www.example.com/info";
  }

  void AddPage(const std::string& name, std::string_view text) {
    WriteFile(area_.Path("htm_in/" + name), text);
  }

  std::string Read(const std::string& name) {
    return ReadFile(area_.Path(name));
  }

  // The page set, with every numbered page written out.
  void Build() {
    std::vector<NumberedPage> pages;
    Status status =
        BuildPageSet(area_, settings_, converted_, &number_pad_, &pages);
    ASSERT_TRUE(status.ok()) << status.ToString();
    for (const NumberedPage& page : pages) {
      status = WriteNumberedPage(area_, page.name, page.origin);
      ASSERT_TRUE(status.ok()) << status.ToString();
    }
  }

  TempFolder folder_;
  WorkArea area_{folder_.path()};
  Settings settings_;
  std::vector<ConvertedPage> converted_;
  std::string number_pad_;
};

TEST_F(PageSetTest, ThreePagesFollowThePromotionalPageInSortedOrder) {
  AddPage("b.htm", "bee\n");
  AddPage("a.htm", "ay\n");
  AddPage("c.htm", "sea\n");
  Build();

  EXPECT_EQ(Read("dir_02.txt"), "a.htm\r\nb.htm\r\nc.htm\r\nf_promote.htm\r\n");
  EXPECT_EQ(Read("dir_03.txt"), "a.htm\r\nb.htm\r\nc.htm\r\nf_promote.htm\r\n");
  EXPECT_EQ(Read("dir_01.txt"), "f_promote.htm\r\na.htm\r\nb.htm\r\nc.htm\r\n");
  EXPECT_EQ(
      MatchingNames(area_, "page_*.*"),
      (Names{"page_01.htm", "page_02.htm", "page_03.htm", "page_04.htm"}));
  EXPECT_EQ(Read("page_01.htm").substr(0, 24), "<br><html>\r\n<br><head>\r\n");
  EXPECT_EQ(Read("page_02.htm"), "<br>ay\r\n");
  EXPECT_EQ(Read("page_03.htm"), "<br>bee\r\n");
  EXPECT_EQ(Read("page_04.htm"), "<br>sea\r\n");
  // Only the numbered pages; the promotional page is written into htm_in.
  EXPECT_EQ(
      MatchingNames(area_, "*.htm*"),
      (Names{"page_01.htm", "page_02.htm", "page_03.htm", "page_04.htm"}));
  EXPECT_EQ(number_pad_, "00");
}

TEST_F(PageSetTest, ConvertedPageLosesItsPreLinesAndGetsBreaks) {
  WriteFile(area_.Path("a.txt"), "  <b>x</b> &\ty  \n\n");
  converted_.push_back(ConvertedPage{"a.htm", area_.Path("a.txt"), {}});
  Build();
  EXPECT_EQ(Read("dir_01.txt"), "f_promote.htm\r\na.htm\r\n");
  EXPECT_EQ(Read("page_02.htm"),
            "<br><HTML>\r\n"
            "<br><head>\r\n"
            "<br><meta http-equiv=\"content-type\"  content=\"text/HTML; "
            "charset=utf-8\">\r\n"
            "<br><title>\r\n"
            "<br>htm_wrk\\a.htm\r\n"
            "<br></title>\r\n"
            "<br></head>\r\n"
            "<br><body>\r\n"
            "<br>&nbsp;&nbsp;  <b>x</b> &y\r\n"
            "<br>\r\n"
            "<br></body>\r\n"
            "<br></html>\r\n");
}

TEST_F(PageSetTest, PadWidthComesFromThePageCount) {
  for (int i = 1; i <= 9; ++i) AddPage("p" + std::to_string(i) + ".htm", "");
  Build();
  Names names = MatchingNames(area_, "page_*.htm");
  ASSERT_EQ(names.size(), 10u);
  EXPECT_EQ(names.front(), "page_01.htm");
  EXPECT_EQ(names.back(), "page_10.htm");

  AddPage("p10.htm", "");
  DeleteFiles(area_, "page_*.htm");
  Build();
  names = MatchingNames(area_, "page_*.htm");
  ASSERT_EQ(names.size(), 11u);
  EXPECT_EQ(names.front(), "page_001.htm");
  EXPECT_EQ(names.back(), "page_011.htm");
  EXPECT_EQ(number_pad_, "000");
}

TEST_F(PageSetTest, ThePromotionalPageAloneKeepsTheEarlierPad) {
  number_pad_ = "000";
  Build();
  EXPECT_EQ(Read("dir_01.txt"), "f_promote.htm\r\n");
  EXPECT_EQ(MatchingNames(area_, "page_*.*"), (Names{"page_001.htm"}));
}

TEST_F(PageSetTest, ListIsLowerCasedButFilesOpenUnderTheirOwnSpelling) {
  AddPage("Zeta.htm", "zed\n");
  AddPage("alpha.HTML", "first\n");
  AddPage("my_f_promote.htm", "mine\n");
  AddPage("notes.txt", "not a page\n");
  Build();

  EXPECT_EQ(Read("dir_03.txt"),
            "alpha.HTML\r\nf_promote.htm\r\nmy_f_promote.htm\r\nZeta.htm\r\n");
  EXPECT_EQ(Read("dir_01.txt"),
            "f_promote.htm\r\nalpha.html\r\nmy_f_promote.htm\r\nzeta.htm\r\n");
  EXPECT_EQ(Read("page_02.htm"), "<br>first\r\n");
  EXPECT_EQ(Read("page_03.htm"), "<br>mine\r\n");
  EXPECT_EQ(Read("page_04.htm"), "<br>zed\r\n");
  EXPECT_FALSE(fs::exists(area_.Path("page_05.htm")));
}

TEST_F(PageSetTest, APageNamedLikeANumberedPageReplacesNone) {
  // "page.htm" once had its working copy at page_01.htm.
  AddPage("page.htm", "mine\n");
  AddPage("a.htm", "ay\n");
  AddPage("page_02.htm", "named like the second\n");
  Build();
  EXPECT_EQ(Read("page_01.htm").substr(0, 12), "<br><html>\r\n");
  EXPECT_EQ(Read("page_02.htm"), "<br>ay\r\n");
  EXPECT_EQ(Read("page_03.htm"), "<br>mine\r\n");
  EXPECT_EQ(Read("page_04.htm"), "<br>named like the second\r\n");
  EXPECT_EQ(
      MatchingNames(area_, "*.htm*"),
      (Names{"page_01.htm", "page_02.htm", "page_03.htm", "page_04.htm"}));
}

TEST_F(PageSetTest, ATableLeftOpenDoesNotReachTheNextPage) {
  AddPage("a.htm", "<table border=1>\n<tr>\t1\n");
  AddPage("b.htm", "x\ty\n");
  Build();
  EXPECT_EQ(Read("page_02.htm"), "<table border=1>\r\n<tr>\t1\r\n");
  EXPECT_EQ(Read("page_03.htm"), "<br>xy\r\n");
}

}  // namespace
}  // namespace docbase
