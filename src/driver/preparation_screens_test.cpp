#include "driver/preparation_screens.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/test_support.h"
#include "driver/scripted_console.h"

namespace docbase {
namespace {

using testing::TempFolder;

TEST(PreparationScreensTest, InputMissingWaitsForOne) {
  ScriptedConsole console("x\n1\n");
  EXPECT_TRUE(ShowInputMissing(console).run_ended());
  EXPECT_EQ(console.output(),
            "\r\n----------------------------\r\nSubfolder txt_in is empty\r\n"
            "\r\n<1> = continue and end\r\n");
  EXPECT_EQ(console.unread(), 0u);
}

TEST(PreparationScreensTest, ConvertedPagesShowThePagesAndTheInputCount) {
  ConvertedTexts converted;
  converted.pages = {"a.htm", "b.htm"};
  ScriptedConsole console("1\n");
  ASSERT_TRUE(ShowConvertedPages(converted, 2, console, "/tmp/x").ok());
  EXPECT_EQ(console.output(),
            "----- dir htm_wrk -----\r\n"
            "a.htm\r\n"
            "b.htm\r\n"
            "\r\n"
            "-----------------------\r\n"
            "number of files = 2\r\n"
            "\r\n"
            "<1> continue\r\n"
            "<2> end\r\n"
            "\r\n");

  ScriptedConsole ended("2\n");
  EXPECT_TRUE(ShowConvertedPages(converted, 2, ended, "/tmp/x").run_ended());
  EXPECT_EQ(ended.output().substr(ended.output().size() - 9), "<2> end\r\n");
}

TEST(PreparationScreensTest, TheMenuAnswersItselfInTheMarkedFolder) {
  TempFolder folder("Bramvale_kestrow_pages");
  ScriptedConsole console("");
  ASSERT_TRUE(
      ShowConvertedPages(ConvertedTexts(), 1, console, folder.path().string())
          .ok());
  EXPECT_EQ(console.key_reads(), 0);
}

}  // namespace
}  // namespace docbase
