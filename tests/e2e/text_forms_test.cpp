// Texts as editors save them: with a UTF-8 byte-order mark, in UTF-16 with
// either mark, or in a Windows code page. Each gives the pages the same text
// saved as plain UTF-8 gives; a text that is not UTF-8 and has no code page
// chosen keeps its bytes and is named on standard error.
#include <gtest/gtest.h>

#include <algorithm>
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

// The UTF-16 bytes of ASCII-and-Latin-1 UTF-8 `text`, with its mark.
std::string Utf16(std::string_view text, bool little_endian) {
  std::string out = little_endian ? "\xFF\xFE" : "\xFE\xFF";
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned unit = static_cast<unsigned char>(text[i]);
    if (unit >= 0xC0) unit = ((unit & 0x1F) << 6) | (text[++i] & 0x3F);
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += little_endian ? std::string{low, high} : std::string{high, low};
  }
  return out;
}

class TextFormsTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1); }
  void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }

  static constexpr char kMarked[] =
      "Notepad saved this with a mark: na\xC3\xAFve fa\xC3\xA7" "ade.\r\n";
  static constexpr char kLittle[] = "Unicode text: caf\xC3\xA9 cr\xC3\xA8me\r\n";
  static constexpr char kBig[] = "Big end first: \xC3\xBC" "ber alles\n";
  static constexpr char kWestern[] = "caf\xC3\xA9 r\xC3\xA9sum\xC3\xA9\r\n";
  static constexpr char kPlain[] = "plain caf\xC3\xA9 words\n";

  // The five texts in the forms an editor gives them, or all as UTF-8.
  void WriteTexts(const fs::path& folder, bool as_saved) {
    fs::create_directories(folder / "txt_in");
    auto text = [&](const char* name, std::string bytes) {
      WriteFile(folder / "txt_in" / name, bytes);
    };
    text("marked.txt", (as_saved ? "\xEF\xBB\xBF" : "") + std::string(kMarked));
    text("little.txt", as_saved ? Utf16(kLittle, true) : kLittle);
    text("big.txt", as_saved ? Utf16(kBig, false) : kBig);
    text("western.txt", as_saved ? "caf\xE9 r\xE9sum\xE9\r\n" : kWestern);
    text("plain.txt", kPlain);
  }

  ProgramOutcome Run(const fs::path& folder, std::vector<std::string> more) {
    std::vector<std::string> arguments = {"-C", folder.string(), "--yes",
                                          "--address", "www.example.org"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    ProgramOutcome outcome = RunProgram(DOCBASE_BINARY, arguments, folder, "");
    EXPECT_EQ(outcome.exit_status, 0) << outcome.out << outcome.err;
    return outcome;
  }

  // Every file of htm_out, by name.
  static std::vector<std::pair<std::string, std::string>> Pages(
      const fs::path& folder) {
    std::vector<std::pair<std::string, std::string>> pages;
    for (const auto& entry : fs::directory_iterator(folder / "htm_out")) {
      pages.emplace_back(entry.path().filename().string(),
                         ReadFile(entry.path()));
    }
    std::sort(pages.begin(), pages.end());
    return pages;
  }

  TempFolder folder_;
};

TEST_F(TextFormsTest, EveryFormGivesThePagesOfPlainUtf8) {
  const fs::path saved = folder_.path() / "saved";
  const fs::path utf8 = folder_.path() / "utf8";
  WriteTexts(saved, true);
  WriteTexts(utf8, false);
  const std::string saved_in = ReadFile(saved / "txt_in" / "little.txt");

  ProgramOutcome converted = Run(saved, {"--encoding", "Windows-1252"});
  ProgramOutcome plain = Run(utf8, {});
  EXPECT_EQ(converted.err, "");
  EXPECT_EQ(plain.err, "");
  const auto pages = Pages(saved);
  ASSERT_GE(pages.size(), 10u);
  EXPECT_EQ(pages, Pages(utf8));
  EXPECT_EQ(ReadFile(saved / "txt_in" / "little.txt"), saved_in);

  // Without a code page the Windows-1252 text keeps its bytes and is named
  // on standard error; the console says what it always said.
  ProgramOutcome kept = Run(saved, {});
  EXPECT_EQ(kept.err,
            "docbase: western.txt: not UTF-8, kept as bytes (see --encoding)\n");
  EXPECT_EQ(kept.out, converted.out);
  std::string index = ReadFile(saved / "htm_out" / "index.htm");
  EXPECT_NE(index.find("caf\xE9"), std::string::npos);
  EXPECT_NE(index.find("cr\xC3\xA8me"), std::string::npos);   // UTF-16 LE
  EXPECT_NE(index.find("\xC3\xBC" "ber"), std::string::npos);  // UTF-16 BE
  EXPECT_EQ(index.find("\xEF\xBB\xBF"), std::string::npos);    // no mark
}

TEST_F(TextFormsTest, TextKeptAsBytesIsNamedBeforeTheRunGoesOn) {
  WriteTexts(folder_.path(), true);
  // Answers through the pipe, so every screen that waits shows its prompt;
  // a console window closes after the last one, so the name comes as soon
  // as the texts are read, before the indexing and the final key.
  ProgramOutcome outcome = RunProgram(
      DOCBASE_BINARY, {}, folder_.path(), "1\n1\n1\n1\n\n",
      std::chrono::seconds(120), ErrorStream::kWithOutput);
  EXPECT_EQ(outcome.exit_status, 0);
  const size_t named = outcome.out.find(
      "docbase: western.txt: not UTF-8, kept as bytes (see --encoding)\n");
  ASSERT_NE(named, std::string::npos) << outcome.out;
  EXPECT_LT(named, outcome.out.find("processed 1%")) << outcome.out;
  EXPECT_LT(named, outcome.out.find("any key")) << outcome.out;
}

TEST_F(TextFormsTest, UnknownCodePageIsRefusedBeforeAnythingIsTouched) {
  WriteTexts(folder_.path(), true);
  ProgramOutcome outcome =
      RunProgram(DOCBASE_BINARY, {"--yes", "--encoding", "utf-16"},
                 folder_.path(), "");
  EXPECT_EQ(outcome.exit_status, 2);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1)
      << outcome.err;
  EXPECT_NE(outcome.err.find("utf-16"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder_.path() / "htm_out"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()),
                          fs::directory_iterator()),
            1);
}

}  // namespace
}  // namespace docbase::e2e
