#include "driver/display_parameters.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "driver/scripted_console.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "output ends without CR LF";
  return lines;
}

std::string Blanks(size_t count) { return std::string(count, ' '); }

class DisplayParametersTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  WorkArea area_{folder_.path()};
  RunState state_;
};

TEST_F(DisplayParametersTest, WritesTheParameterFileAfresh) {
  WriteFile(area_.Path("publisher_para.txt"),
            "====== FONT COLOR ======\n--->\n");
  state_.settings.display = {"Windows-1250", "blue", "60%", 0};
  ScriptedConsole console;
  ASSERT_TRUE(SetDisplayParameters(area_, state_, console).ok());

  std::vector<std::string> lines =
      SplitCrLf(ReadFile(area_.Path("publisher_para.txt")));
  ASSERT_EQ(lines.size(), 45u);
  EXPECT_EQ(lines[0], "====== CODE PAGE ======");
  EXPECT_EQ(lines[1], "Windows-1250");
  EXPECT_EQ(lines[4],
            "Cyrillic languages: Azeri, Belarusian, Bulgarian, Macedonian, "
            "Kazakh, Kyrgyz, Mongolian, Russian, Serbian, Tatar, Ukrainian, "
            "Uzbek");
  EXPECT_EQ(lines[21], "Windows-65001");
  EXPECT_EQ(lines[22], "Unicode");
  EXPECT_EQ(lines[23], "====== FONT COLOR ======");
  EXPECT_EQ(lines[31], "coralyellow");
  EXPECT_EQ(lines[33], "====== FONT SIZE ======");
  EXPECT_EQ(lines[41], "200%");
  EXPECT_EQ(lines[42], "====== FIND WORD MENU ======");
  EXPECT_EQ(lines[44], "no");

  EXPECT_EQ(state_.settings.display.code_page_name, "UTF-8");
  EXPECT_EQ(state_.settings.display.font_colour, "red");
  EXPECT_EQ(state_.settings.display.font_size, "140%");
  EXPECT_EQ(state_.settings.display.find_word, 1);
  EXPECT_EQ(console.clears(), 1);
  EXPECT_EQ(console.key_reads(), 0);
}

TEST_F(DisplayParametersTest, OverviewRowsInPrintZonesAtWidth80) {
  ScriptedConsole console;
  ASSERT_TRUE(SetDisplayParameters(area_, state_, console).ok());
  std::vector<std::string> lines = SplitCrLf(console.output());
  // Three heading lines, 34 rows; rows with a description too long for the
  // zones, and row 32, put their last column on a line of its own.
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "====== OVERVIEW/SELECT PARAMETERS ======");
  EXPECT_EQ(lines[2], "");

  // Row 1: item ends at 2, 37 (-> 42), 43 (-> 56), then the marker.
  EXPECT_EQ(lines[3], " 1" + Blanks(12) + "====== CODE PAGE ======" +
                          Blanks(5) + " " + Blanks(13) + "   ");
  // Row 2: the description runs past 66, so a line break replaces its
  // blanks.
  EXPECT_EQ(lines[4],
            " 2" + Blanks(12) + "Windows-1250" + Blanks(2) +
                "Central Europe languages: Albanian, Croatian, Czech, "
                "Hungarian, Polish, Romanian, Serbian (Latin), Slovak, "
                "Slovenian");
  EXPECT_EQ(lines[5], "   ");

  std::string text = console.output();
  // Row 12: the short description fits; "Unicode" ends at 35 -> 42.
  EXPECT_NE(text.find("\r\n 12" + Blanks(11) + "Windows-65001" + Blanks(1) +
                      "Unicode" + Blanks(7) + "   \r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\n 13" + Blanks(11) + "====== FONT COLOR ======" +
                      Blanks(4) + " " + Blanks(13) + "   \r\n"),
            std::string::npos);
  // Row 32: column 1 ends exactly at 42, so it is padded to 56; column 2
  // ends at 57, whose next zone (70) lies past 66: the marker goes to the
  // next line.
  EXPECT_NE(text.find("\r\n 32" + Blanks(11) + "====== FIND WORD MENU ======" +
                      Blanks(14) + " \r\n   \r\n"),
            std::string::npos);
  EXPECT_TRUE(text.ends_with(" 34" + Blanks(11) + "no" + Blanks(12) + " " +
                             Blanks(13) + "   \r\n"));
  EXPECT_EQ(text.find(" 35"), std::string::npos);
}

TEST_F(DisplayParametersTest, WideConsoleKeepsEveryRowOnOneLine) {
  ScriptedConsole console("", 400);
  ASSERT_TRUE(SetDisplayParameters(area_, state_, console).ok());
  std::vector<std::string> lines = SplitCrLf(console.output());
  ASSERT_EQ(lines.size(), 3u + 34u);
  // " 2", blanks to 14, the name, blanks to 28, the description (116
  // bytes, to 144), blanks to 154, three blanks.
  std::string row2 = lines[4];
  EXPECT_EQ(row2.size(), 157u);
  EXPECT_EQ(row2.substr(28, 16), "Central Europe l");
  EXPECT_TRUE(row2.ends_with("Slovenian" + Blanks(10) + "   "));
}

TEST(TakeMarkedValuesTest, MarkedRowsGiveTheirSectionsValue) {
  std::vector<ParameterRow> rows = {
      {"====== CODE PAGE ======", " ", "   "},
      {"Windows-1250", "Central Europe", "--->"},
      {"====== FONT COLOR ======", " ", "   "},
      {"blue", " ", "--->"},
      {"====== FONT SIZE ======", " ", "   "},
      {"60%", " ", "--->"},
      {"====== FIND WORD MENU ======", " ", "   "},
      {"no", " ", "--->"},
  };
  DisplayParameters values = TakeMarkedValues(rows);
  EXPECT_EQ(values.code_page_name, "UTF-8");
  EXPECT_EQ(values.font_colour, "blue");
  EXPECT_EQ(values.font_size, "60%");
  EXPECT_EQ(values.find_word, 1);  // "no" cannot take effect

  rows[3].marker = "   ";
  rows[5].marker = "--> ";
  values = TakeMarkedValues(rows);
  EXPECT_EQ(values.font_colour, "red");
  EXPECT_EQ(values.font_size, "140%");
}

}  // namespace
}  // namespace docbase
