// The options that change what a run writes: --site, --info-address and
// --search-host put their values everywhere the built-in settings stood,
// and --group-size cuts the pages into groups of its size, which every page
// that names groups follows (word strips, word-index and search pages, the
// main index's links and counts).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::ReadFile;
using docbase::testing::TempFolder;
using docbase::testing::WriteFile;
namespace fs = std::filesystem;

class RunOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1); }
  void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }

  // Runs with every answer given and `options` added; the run must finish.
  ProgramOutcome Run(std::vector<std::string> options) {
    options.insert(options.begin(),
                   {"-C", folder_.path().string(), "--yes", "--address", ""});
    ProgramOutcome outcome =
        RunProgram(DOCBASE_BINARY, options, folder_.path(), "");
    EXPECT_EQ(outcome.exit_status, 0) << outcome.out << outcome.err;
    EXPECT_NE(outcome.out.find("processed 100%"), std::string::npos);
    return outcome;
  }

  std::string Output(const std::string& name) {
    return ReadFile(folder_.path() / "htm_out" / name);
  }

  TempFolder folder_;
};

TEST_F(RunOptionsTest, SiteHostAndInfoAddressReplaceTheBuiltInOnes) {
  fs::copy(fs::path(DOCBASE_SOURCE_DIR) / "examples/txt_in",
           folder_.path() / "txt_in");
  ProgramOutcome outcome =
      Run({"--site", "www.mysite.org", "--search-host", "www.bing.com",
           "--info-address", "www.mysite.org/about"});

  for (const char* line :
       {"\r\nwww.mysite.org.bas\r\n", "\r\nwww.mysite.org\r\n",
        "\r\nProgram name:www.mysite.org.exe\r\n",
        "\r\nInfo: www.mysite.org/about\r\n",
        "\r\ndetails: www.mysite.org/about\r\n"}) {
    EXPECT_NE(outcome.out.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(outcome.out.find("example.com"), std::string::npos);

  // Each page kind carries the values it is made with, and no page any
  // built-in one.
  EXPECT_NE(Output("i_1.htm").find("http://www.bing.com/search?q="),
            std::string::npos);
  EXPECT_NE(Output("i_1.htm").find(" site:www.mysite.org\""),
            std::string::npos);
  EXPECT_NE(Output("s_1.htm").find(" site:www.mysite.org\""),
            std::string::npos);
  EXPECT_NE(Output("index.htm").find("\"http://www.mysite.org/about\""),
            std::string::npos);
  EXPECT_NE(Output("page_01.htm").find("\"http://www.mysite.org/about\""),
            std::string::npos);
  for (const auto& page : fs::directory_iterator(folder_.path() / "htm_out")) {
    std::string bytes = ReadFile(page.path());
    EXPECT_EQ(bytes.find("example.com"), std::string::npos) << page.path();
    EXPECT_EQ(bytes.find("google.com"), std::string::npos) << page.path();
  }
}

// Seven texts give eight pages (the promotional page first). Text k, on
// page k + 1, holds "textk common" and "wordk".
TEST_F(RunOptionsTest, GroupSizeCutsThePagesIntoGroupsOfThatSize) {
  fs::create_directory(folder_.path() / "txt_in");
  for (int k = 1; k <= 7; ++k) {
    std::string n = std::to_string(k);
    WriteFile(folder_.path() / "txt_in" / ("t" + n + ".txt"),
              "text" + n + " common\nword" + n + "\n");
  }
  struct Case {
    const char* size;
    int group_of_page[9];  // by page number, from 1
    int group_count;
    const char* common_in_index;  // the main index's links for "common"
  };
  // Size 3: pages 1-3, 4-6, 7-8. Size 4: pages 1-4, 5-8 and an empty
  // third group, which still gets its pages.
  for (const Case& c :
       {Case{"3", {0, 1, 1, 1, 2, 2, 2, 3, 3}, 3,
             "(i_1,&nbsp;&nbsp;2)(i_2,&nbsp;&nbsp;3)(i_3,&nbsp;&nbsp;2)"},
        Case{"4", {0, 1, 1, 1, 1, 2, 2, 2, 2}, 3,
             "(i_1,&nbsp;&nbsp;3)(i_2,&nbsp;&nbsp;4)"}}) {
    SCOPED_TRACE(std::string("group size ") + c.size);
    Run({"--group-size", c.size});
    for (int group = 1; group <= c.group_count + 1; ++group) {
      std::string g = std::to_string(group);
      bool made = group <= c.group_count;
      EXPECT_EQ(fs::exists(folder_.path() / "htm_out" / ("i_" + g + ".htm")),
                made);
      EXPECT_EQ(fs::exists(folder_.path() / "htm_out" / ("s_" + g + ".htm")),
                made);
    }
    std::string index = Output("index.htm");
    size_t entry = index.find("\r\ncommon\r\n");
    ASSERT_NE(entry, std::string::npos);
    std::string labels;
    for (size_t at = index.find('(', entry), end = index.find("<br>", entry);
         at < end; at = index.find('(', at + 1)) {
      labels += index.substr(at, index.find(')', at) + 1 - at);
    }
    EXPECT_EQ(labels, c.common_in_index);

    for (int page = 1; page <= 8; ++page) {
      std::string name = "page_0" + std::to_string(page) + ".htm";
      std::string own = std::to_string(c.group_of_page[page]);
      // The page's entries and lines are on its group's pages only.
      for (int group = 1; group <= c.group_count; ++group) {
        std::string g = std::to_string(group);
        bool own_group = g == own;
        EXPECT_EQ(Output("i_" + g + ".htm").find("(" + name + ", ") !=
                      std::string::npos,
                  own_group)
            << name << " in i_" << g;
        EXPECT_EQ(Output("s_" + g + ".htm").find(name) != std::string::npos,
                  own_group)
            << name << " in s_" << g;
      }
      // Its word strips lead to its group's word-index and search pages.
      std::string bytes = Output(name);
      for (const char* link : {"href=\"i_", "href=\"s_"}) {
        size_t links = 0;
        for (size_t at = bytes.find(link); at != std::string::npos;
             at = bytes.find(link, at + 1), ++links) {
          EXPECT_EQ(bytes.substr(at + 8, own.size() + 5), own + ".htm#")
              << name;
        }
        EXPECT_GT(links, 0u) << name;
      }
    }
  }
}

}  // namespace
}  // namespace docbase::e2e
