#include "html/output_pass.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/test_support.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

// Every group's pages are rewritten, each with its own group number in the
// links, and the wrd_24 folder holds the group files.
TEST(OutputPassTest, RewritesThePagesOfEveryGroup) {
  TempFolder folder;
  WorkArea area(folder.path());
  RunState state;
  state.display.find_word = 1;
  state.group_count = 3;  // the last group empty
  WriteFile(area.Path("group_page_all_sort.txt"),
            "page_01.htm\r\npage_02.htm\r\n");
  WriteFile(area.Path("page_01.htm"), "one\r\n");
  WriteFile(area.Path("page_02.htm"), "two\r\n");
  WriteFile(area.Path("wrd_24_1.txt"),
            "\"page_01.htm\",\"         1\",\"     1\",\"one\",\"id00000000\","
            "\"1\",\"\"\r\n");
  WriteFile(area.Path("wrd_24_2.txt"),
            "\"page_02.htm\",\"         1\",\"     1\",\"two\",\"id00000001\","
            "\"1\",\"\"\r\n");
  WriteFile(area.Path("wrd_24_3.txt"), "");
  Status status = WriteGroupOutputs(area, state);
  ASSERT_TRUE(status.ok()) << status.ToString();

  EXPECT_NE(ReadFile(area.Path("page_01.htm")).find("i_1.htm#id00000000"),
            std::string::npos);
  EXPECT_NE(ReadFile(area.Path("page_02.htm")).find("i_2.htm#id00000001"),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(area.Path("wrd_24/wrd_24_3.txt")));
}

}  // namespace
}  // namespace docbase
