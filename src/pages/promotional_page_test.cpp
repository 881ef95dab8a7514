#include "pages/promotional_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "base/test_support.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;

TEST(PromotionalPageTest, WritesTheTwentySixLinesIntoHtmInOnly) {
  TempFolder folder;
  WorkArea area(folder.path());
  std::filesystem::create_directory(area.Path("htm_in"));
  Settings settings;
  settings.info_address = "www.example.com/info";
  settings.display.code_page_name = "windows-1252";
  ASSERT_TRUE(WritePromotionalPage(area, settings).ok());

  const std::string expected =
      "<html>\r\n"
      "<head>\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; "
      "charset=windows-1252\">\r\n"
      "<title>advertising message</title>\r\n"
      "</head>\r\n"
      "<body>\r\n"
      "<br>\r\n"
      "<br> <b> PROMOTE YOUR BRAND WITH OUR PROGRAMS </b>\r\n"
      "<br>\r\n"
      "<br> Our programs are intended for companis who want to consolidate "
      "their brand through free distribution of the programs.\r\n"
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
      "<br> The programs generate Google search strings for all words in the "
      "all-words index and target the web address specified by the buyer "
      "when ordering.\r\n"
      "<br>\r\n"
      "<br> Remember: the all-words index file is accessible while reading "
      "output file, just by double-clicking on any word.\r\n"
      "<br> More info at:\r\n"
      "<br> <a href=\"http://www.example.com/info\">"
      "http://www.example.com/info</a>\r\n"
      "</body>\r\n"
      "<br>\r\n"
      "<br>\r\n"
      "</html>\r\n";
  ASSERT_EQ(std::count(expected.begin(), expected.end(), '\n'), 26);
  EXPECT_EQ(ReadFile(area.Path("htm_in/f_promote.htm")), expected);
  EXPECT_FALSE(std::filesystem::exists(area.Path("f_promote.htm")));
}

}  // namespace
}  // namespace docbase
