#include "pages/text_to_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/test_support.h"
#include "platform/path.h"
#include "workarea/commands.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace fs = std::filesystem;

using Names = std::vector<std::string>;

class TextToPageTest : public ::testing::Test {
 protected:
  TextToPageTest() {
    for (const char* folder : {"txt_in", "txt_wrk", "htm_wrk"}) {
      fs::create_directory(area_.Path(folder));
    }
  }

  void AddText(const std::string& name, std::string_view text = "text\n") {
    WriteFile(area_.Path("txt_in/" + name), text);
    ++input_file_count_;
  }

  // Both steps, as a run takes them when the user goes on.
  Status Convert() {
    DOCBASE_RETURN_IF_ERROR(
        ConvertTextsToPages(area_, input_file_count_, &converted_));
    return FillInputPageSet(area_);
  }

  Names Listed(std::string_view pattern) {
    return MatchingNames(area_, pattern);
  }

  TempFolder folder_;
  WorkArea area_{folder_.path()};
  int64_t input_file_count_ = 0;
  ConvertedTexts converted_;
};

TEST_F(TextToPageTest, PagesMoveIntoHtmInAndNothingIntoHtmNdx) {
  AddText("b.txt");
  AddText("a.txt");
  ASSERT_TRUE(ConvertTextsToPages(area_, input_file_count_, &converted_).ok());
  EXPECT_EQ(converted_.pages, (Names{"a.htm", "b.htm"}));
  EXPECT_EQ(converted_.number_pad, "00");
  EXPECT_EQ(Listed("htm_wrk/*.*"), (Names{"a.htm", "b.htm"}));
  std::string page_a = ReadFile(area_.Path("htm_wrk/a.htm"));

  ASSERT_TRUE(FillInputPageSet(area_).ok());
  EXPECT_EQ(Listed("htm_in/*.*"), (Names{"a.htm", "b.htm"}));
  EXPECT_EQ(ReadFile(area_.Path("htm_in/a.htm")), page_a);
  EXPECT_NE(page_a.find("<title>\r\nhtm_wrk\\a.htm\r\n</title>"),
            std::string::npos);
  EXPECT_TRUE(Listed("htm_wrk/*.*").empty());
  EXPECT_TRUE(fs::is_directory(area_.Path("htm_ndx/htm_in")));
  EXPECT_TRUE(fs::is_empty(area_.Path("htm_ndx/htm_in")));
  EXPECT_EQ(ReadFile(area_.Path("txt_wrk.list")), "a.txt\r\nb.txt\r\n");
}

TEST_F(TextToPageTest, TheInputCountBoundsTheConversionAndSetsThePad) {
  AddText("a.txt");
  AddText("b.txt");
  AddText("c.txt");
  input_file_count_ = 2;
  ASSERT_TRUE(Convert().ok());
  EXPECT_EQ(converted_.pages, (Names{"a.htm", "b.htm"}));
  EXPECT_EQ(Listed("htm_in/*.*"), (Names{"a.htm", "b.htm"}));
  EXPECT_EQ(converted_.number_pad, "00");

  input_file_count_ = 1;
  ASSERT_TRUE(Convert().ok());
  EXPECT_EQ(converted_.number_pad, "");
}

TEST_F(TextToPageTest, NamesAreSanitisedAndKeptApartFromTheRunsOwnPages) {
  AddText("my notes (2).txt");
  AddText("Page_3.txt");
  AddText("page.txt");
  AddText("F_Promote.txt");
  AddText("NOTES.TXT");
  ASSERT_TRUE(Convert().ok());
  EXPECT_EQ(Listed("txt_wrk/*.*"),
            (Names{"NOTES.TXT", "file_F_Promote.txt", "file_Page_3.txt",
                   "file_page.txt", "my_notes__2_.txt"}));
  EXPECT_EQ(Listed("htm_in/*.*"),
            (Names{"NOTES.htm", "file_F_Promote.htm", "file_Page_3.htm",
                   "file_page.htm", "my_notes__2_.htm"}));
  EXPECT_NE(ReadFile(area_.Path("htm_in/file_Page_3.htm"))
                .find("<title>\r\nhtm_wrk\\file_Page_3.htm\r\n</title>"),
            std::string::npos);
}

TEST_F(TextToPageTest, OfTwoNamesThatSanitiseAlikeTheSecondKeepsItsOwn) {
  AddText("a b.txt", "first\n");
  AddText("a&b.txt", "second\n");
  ASSERT_TRUE(Convert().ok());
  EXPECT_EQ(Listed("txt_wrk/*.*"), (Names{"a&b.txt", "a_b.txt"}));
  EXPECT_EQ(Listed("htm_in/*.*"), (Names{"a&b.htm", "a_b.htm"}));
  EXPECT_NE(ReadFile(area_.Path("htm_in/a_b.htm")).find("\r\nfirst\r\n"),
            std::string::npos);
  EXPECT_NE(ReadFile(area_.Path("htm_in/a&b.htm")).find("\r\nsecond\r\n"),
            std::string::npos);
}

TEST_F(TextToPageTest, NoPageReplacesAnotherOrPassesForTheRunsOwn) {
  if (!NamesAreAnyBytes()) GTEST_SKIP() << "names this system cannot hold";
  AddText("a.txt", "plain\n");
  AddText("a.txt.txt", "double\n");
  AddText("a.TXT", "upper\n");
  AddText("page_3.txt", "kept old name\n");
  AddText("file_page_3.txt", "own name\n");
  ASSERT_TRUE(Convert().ok());
  EXPECT_EQ(Listed("txt_wrk/*.*"), (Names{"a.TXT", "a.txt", "a.txt.txt",
                                          "file_page_3.txt", "page_3.txt"}));
  EXPECT_EQ(Listed("htm_in/*.*"),
            (Names{"a.htm", "file_a.htm", "file_file_a.htm",
                   "file_file_page_3.htm", "file_page_3.htm"}));
  std::string seen;
  for (const std::string& page : Listed("htm_in/*.*")) {
    std::string text = ReadFile(area_.Path("htm_in/" + page));
    EXPECT_NE(text.find("htm_wrk\\" + page + "\r\n"), std::string::npos);
    seen += text.substr(text.find("<pre>\r\n") + 7);
  }
  for (const char* text :
       {"plain", "double", "upper", "kept old name", "own name"}) {
    EXPECT_NE(seen.find(text), std::string::npos) << text;
  }
}

TEST_F(TextToPageTest, HostileNamesAreOnlyNamesAndTxtInIsLeftAlone) {
  if (!NamesAreAnyBytes()) GTEST_SKIP() << "names this system cannot hold";
  const Names hostile = {"-rf.txt",          "a\"b'c.txt", "x;y&z|w.txt",
                         "$(touch pwn).txt", " lead.txt",  "caf\xc3\xa9.txt",
                         "line\nend.txt"};
  for (const std::string& name : hostile) AddText(name, name + "\n");
  Names inputs_before = Listed("txt_in/*.*");
  ASSERT_TRUE(Convert().ok());

  EXPECT_EQ(Listed("txt_in/*.*"), inputs_before);
  for (const std::string& name : hostile) {
    EXPECT_EQ(ReadFile(area_.Path("txt_in/" + name)), name + "\n");
  }
  EXPECT_EQ(Listed("htm_in/*.*"),
            (Names{"__touch_pwn_.htm", "_rf.htm", "a_b_c.htm", "caf__.htm",
                   "lead.htm", "line_end.htm", "x_y_z_w.htm"}));
  // Every text reached its page.
  EXPECT_NE(ReadFile(area_.Path("htm_in/line_end.htm")).find("line\r\nend"),
            std::string::npos);
  EXPECT_NE(ReadFile(area_.Path("htm_in/lead.htm")).find(" lead.txt\r\n"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(area_.Path("pwn")));
}

TEST_F(TextToPageTest, EmptyBinaryAndUpperCaseInputsAreConverted) {
  if (!NamesAreAnyBytes()) GTEST_SKIP() << "names this system cannot hold";
  AddText("empty.txt", "");
  AddText("nul.txt", std::string("a\0b\xff\r\n", 6));
  AddText("UP.TXT", "x  \n");
  ASSERT_TRUE(Convert().ok());
  EXPECT_NE(ReadFile(area_.Path("htm_in/empty.htm")).find("<pre>\r\n</pre>"),
            std::string::npos);
  EXPECT_NE(ReadFile(area_.Path("htm_in/nul.htm"))
                .find(std::string("<pre>\r\na\0b\xff\r\n</pre>", 19)),
            std::string::npos);
  EXPECT_NE(ReadFile(area_.Path("htm_in/UP.htm")).find("<pre>\r\nx\r\n</pre>"),
            std::string::npos);
}

TEST_F(TextToPageTest, HtmInHoldsOnlyThisRunsPages) {
  AddText("a.txt");
  fs::create_directories(area_.Path("htm_ndx/htm_in"));
  fs::create_directory(area_.Path("htm_in"));
  WriteFile(area_.Path("htm_in/old.htm"), "old");
  WriteFile(area_.Path("htm_ndx/htm_in/old.htm"), "old");
  ASSERT_TRUE(Convert().ok());
  EXPECT_EQ(Listed("htm_in/*.*"), (Names{"a.htm"}));
  EXPECT_TRUE(Listed("htm_ndx/htm_in/*.*").empty());
}

}  // namespace
}  // namespace docbase
