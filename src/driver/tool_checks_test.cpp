#include "driver/tool_checks.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/test_support.h"
#include "driver/scripted_console.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace fs = std::filesystem;

TEST(ToolChecksTest, AllPassInAnEmptyFolderWithOnlyTheirLines) {
  TempFolder folder;
  WorkArea area(folder.path());
  WriteFile(area.Path("check_07.txt"), "left from an earlier run");
  ScriptedConsole console("1\n");
  ASSERT_TRUE(CheckTools(area, console).ok());
  EXPECT_EQ(console.output(),
            "---------------------------\r\n"
            "Checking the accessibility of some urgently needed programs:\r\n"
            "cmd.exe, find.exe, findstr.exe, sort.exe\r\n"
            "cmd\r\nfind\r\nfindstr\r\nsort\r\n");
  EXPECT_EQ(console.key_reads(), 0);
  // The check files stay for the clean-up; earlier ones are cleared.
  EXPECT_FALSE(fs::exists(area.Path("check_07.txt")));
  EXPECT_EQ(ReadFile(area.Path("check_02.txt")),
            "_under\r\nalpha\r\nBravo\r\nbravo\r\nCharlie\r\ndelta\r\n");
}

TEST(ToolChecksTest, EachCheckPassesOnItsOwn) {
  TempFolder folder;
  WorkArea area(folder.path());
  for (Tool tool :
       {Tool::kSort, Tool::kFindstr, Tool::kFind, Tool::kCommandInterpreter}) {
    bool passed = false;
    ASSERT_TRUE(RunToolCheck(area, tool, &passed).ok());
    EXPECT_TRUE(passed);
  }
}

TEST(ToolChecksTest, FailureMessagesWaitForOne) {
  struct Case {
    Tool tool;
    const char* lines;
  };
  const Case cases[] = {
      {Tool::kCommandInterpreter,
       "Checking for cmd.exe!\r\n"
       "The system path to the program is most likely to be configured.\r\n"},
      {Tool::kFind,
       "Checking for find.exe!\r\n"
       "The system path to the program is most likely to be configured.\r\n"},
      {Tool::kFindstr,
       "Checking for findstr.exe!\r\n"
       "The system path to the program is most likely to be configured.\r\n"},
      {Tool::kSort,
       "Checking for sort.exe\r\n"
       "It is probably necessary to set the system path to the program.\r\n"},
  };
  for (const Case& c : cases) {
    ScriptedConsole console("2\nx\n1\n");
    EXPECT_TRUE(ToolMissingExit(c.tool, console).run_ended());
    EXPECT_EQ(console.output(), std::string("---------------------\r\n") +
                                    c.lines + "<1> = continue and end\r\n");
    EXPECT_EQ(console.unread(), 0u);
  }
}

TEST(ToolChecksTest, UnwritableCheckFileIsAnIoError) {
  TempFolder folder;
  WorkArea area(folder.path());
  fs::create_directory(area.Path("check_01.txt"));
  ScriptedConsole console;
  RunStep status = CheckTools(area, console);
  EXPECT_TRUE(status.io_error());
  EXPECT_EQ(console.output().find("Checking for"), std::string::npos);
}

}  // namespace
}  // namespace docbase
