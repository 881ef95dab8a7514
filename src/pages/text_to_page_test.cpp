#include "pages/text_to_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "pages/text_page.h"
#include "platform/path.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"

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

  // The names of the pages made, sorted.
  Names Made() {
    Names names;
    for (const ConvertedPage& page : converted_.made) {
      names.push_back(page.name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // The bytes of the page made under `name`, as a reader gets them.
  std::string Page(const std::string& name) {
    struct Sink {
      void Write(std::string_view bytes) { text.append(bytes); }
      std::string text;
    } sink;
    for (const ConvertedPage& page : converted_.made) {
      if (page.name != name) continue;
      TextPageBytes bytes;
      EXPECT_TRUE(
          bytes.Open(page.text, ConvertedPageTitle(name), page.form).ok());
      EXPECT_TRUE(CopyAllBytes(bytes, sink).ok());
      return sink.text;
    }
    ADD_FAILURE() << "no page " << name;
    return {};
  }

  TempFolder folder_;
  WorkArea area_{folder_.path()};
  int64_t input_file_count_ = 0;
  ConvertedTexts converted_;
};

TEST_F(TextToPageTest, TextsAreReadAsTheUtf8TheyGive) {
  // A UTF-16 text longer than a read block, a text with a UTF-8 mark, one
  // in Windows-1252 and one in UTF-8.
  std::string line_le;
  for (char c : std::string("caf\xE9 line\r\n")) line_le += {c, '\0'};
  const std::string line_utf8 = "caf\xC3\xA9 line\r\n";
  std::string little = "\xFF\xFE";
  for (int i = 0; i < 20000; ++i) little += line_le;
  AddText("little.txt", little);
  AddText("marked.txt", "\xEF\xBB\xBFmarked\n");
  AddText("western.txt", "caf\xE9\n");
  AddText("plain.txt", "caf\xC3\xA9\n");
  auto body = [&](const std::string& page) {
    std::string bytes = Page(page);
    size_t begin = bytes.find("<pre>\r\n") + 7;
    return bytes.substr(begin, bytes.find("</pre>") - begin);
  };

  ASSERT_TRUE(ConvertTextsToPages(area_, input_file_count_, &converted_).ok());
  EXPECT_EQ(converted_.kept_as_bytes, Names{"western.txt"});
  EXPECT_EQ(body("western.htm"), "caf\xE9\r\n");
  EXPECT_EQ(body("marked.htm"), "marked\r\n");
  std::string expected;
  for (int i = 0; i < 20000; ++i) expected += line_utf8;
  EXPECT_EQ(body("little.htm"), expected);

  ASSERT_TRUE(ConvertTextsToPages(area_, input_file_count_, &converted_,
                                  FindCodePage("windows-1252"))
                  .ok());
  EXPECT_TRUE(converted_.kept_as_bytes.empty());
  EXPECT_EQ(body("western.htm"), "caf\xC3\xA9\r\n");
  EXPECT_EQ(body("plain.htm"), "caf\xC3\xA9\r\n");
}

TEST_F(TextToPageTest, PagesAreNamedInMemoryAndNoFileIsWritten) {
  AddText("b.txt");
  AddText("a.txt");
  ASSERT_TRUE(ConvertTextsToPages(area_, input_file_count_, &converted_).ok());
  EXPECT_EQ(converted_.pages, (Names{"a.htm", "b.htm"}));
  EXPECT_EQ(Made(), (Names{"a.htm", "b.htm"}));
  EXPECT_EQ(converted_.number_pad, "00");
  EXPECT_NE(Page("a.htm").find("<title>\r\nhtm_wrk\\a.htm\r\n</title>"),
            std::string::npos);

  ASSERT_TRUE(FillInputPageSet(area_).ok());
  for (const char* folder : {"txt_wrk/*.*", "htm_wrk/*.*", "htm_in/*.*"}) {
    EXPECT_TRUE(Listed(folder).empty()) << folder;
  }
  EXPECT_TRUE(fs::is_directory(area_.Path("htm_ndx/htm_in")));
  EXPECT_TRUE(fs::is_empty(area_.Path("htm_ndx/htm_in")));
}

TEST_F(TextToPageTest, TheInputCountBoundsTheConversionAndSetsThePad) {
  AddText("a.txt");
  AddText("b.txt");
  AddText("c.txt");
  input_file_count_ = 2;
  ASSERT_TRUE(Convert().ok());
  EXPECT_EQ(converted_.pages, (Names{"a.htm", "b.htm"}));
  EXPECT_EQ(Made(), (Names{"a.htm", "b.htm"}));
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
  EXPECT_EQ(Made(), (Names{"NOTES.htm", "file_F_Promote.htm", "file_Page_3.htm",
                           "file_page.htm", "my_notes__2_.htm"}));
  EXPECT_NE(Page("file_Page_3.htm")
                .find("<title>\r\nhtm_wrk\\file_Page_3.htm\r\n</title>"),
            std::string::npos);
}

TEST_F(TextToPageTest, OfTwoNamesThatSanitiseAlikeTheSecondKeepsItsOwn) {
  AddText("a b.txt", "first\n");
  AddText("a&b.txt", "second\n");
  ASSERT_TRUE(Convert().ok());
  EXPECT_EQ(Made(), (Names{"a&b.htm", "a_b.htm"}));
  EXPECT_NE(Page("a_b.htm").find("\r\nfirst\r\n"), std::string::npos);
  EXPECT_NE(Page("a&b.htm").find("\r\nsecond\r\n"), std::string::npos);
}

TEST_F(TextToPageTest, NoPageReplacesAnotherOrPassesForTheRunsOwn) {
  if (!testing::SystemTakesNames(area_.root(), {"a.txt", "a.TXT"})) {
    GTEST_SKIP() << "names this system cannot hold";
  }
  AddText("a.txt", "plain\n");
  AddText("a.txt.txt", "double\n");
  AddText("a.TXT", "upper\n");
  AddText("page_3.txt", "kept old name\n");
  AddText("file_page_3.txt", "own name\n");
  ASSERT_TRUE(Convert().ok());
  EXPECT_EQ(Made(), (Names{"a.htm", "file_a.htm", "file_file_a.htm",
                           "file_file_page_3.htm", "file_page_3.htm"}));
  std::string seen;
  for (const std::string& page : Made()) {
    std::string text = Page(page);
    EXPECT_NE(text.find("htm_wrk\\" + page + "\r\n"), std::string::npos);
    seen += text.substr(text.find("<pre>\r\n") + 7);
  }
  for (const char* text :
       {"plain", "double", "upper", "kept old name", "own name"}) {
    EXPECT_NE(seen.find(text), std::string::npos) << text;
  }
}

TEST_F(TextToPageTest, HostileNamesAreOnlyNamesAndTxtInIsLeftAlone) {
  const Names hostile = {"-rf.txt",          "a\"b'c.txt", "x;y&z|w.txt",
                         "$(touch pwn).txt", " lead.txt",  "caf\xc3\xa9.txt",
                         "line\nend.txt"};
  if (!testing::SystemTakesNames(
          area_.root(), {"a\"b'c.txt", "x;y&z|w.txt", "line\nend.txt"})) {
    GTEST_SKIP() << "names this system cannot hold";
  }
  for (const std::string& name : hostile) AddText(name, name + "\n");
  Names inputs_before = Listed("txt_in/*.*");
  ASSERT_TRUE(Convert().ok());

  EXPECT_EQ(Listed("txt_in/*.*"), inputs_before);
  for (const std::string& name : hostile) {
    EXPECT_EQ(ReadFile(area_.Path("txt_in/" + name)), name + "\n");
  }
  EXPECT_EQ(Made(),
            (Names{"__touch_pwn_.htm", "_rf.htm", "a_b_c.htm", "caf__.htm",
                   "lead.htm", "line_end.htm", "x_y_z_w.htm"}));
  // Every text reached its page.
  EXPECT_NE(Page("line_end.htm").find("line\r\nend"), std::string::npos);
  EXPECT_NE(Page("lead.htm").find(" lead.txt\r\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(area_.Path("pwn")));
}

TEST_F(TextToPageTest, EmptyBinaryAndUpperCaseInputsAreConverted) {
  if (!testing::SystemTakesNames(area_.root(), {"nul.txt"})) {
    GTEST_SKIP() << "names this system cannot hold";
  }
  AddText("empty.txt", "");
  AddText("nul.txt", std::string("a\0b\xff\r\n", 6));
  AddText("UP.TXT", "x  \n");
  ASSERT_TRUE(Convert().ok());
  EXPECT_NE(Page("empty.htm").find("<pre>\r\n</pre>"), std::string::npos);
  EXPECT_NE(
      Page("nul.htm").find(std::string("<pre>\r\na\0b\xff\r\n</pre>", 19)),
      std::string::npos);
  EXPECT_NE(Page("UP.htm").find("<pre>\r\nx\r\n</pre>"), std::string::npos);
}

TEST_F(TextToPageTest, HtmInHoldsNoPageOfAnEarlierRun) {
  AddText("a.txt");
  fs::create_directories(area_.Path("htm_ndx/htm_in"));
  fs::create_directory(area_.Path("htm_in"));
  WriteFile(area_.Path("htm_in/old.htm"), "old");
  WriteFile(area_.Path("htm_ndx/htm_in/old.htm"), "old");
  ASSERT_TRUE(Convert().ok());
  EXPECT_TRUE(Listed("htm_in/*.*").empty());
  EXPECT_TRUE(Listed("htm_ndx/htm_in/*.*").empty());
}

}  // namespace
}  // namespace docbase
