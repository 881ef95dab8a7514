// The annotated pages and the contents page of the modern layout against
// the classic ones made from the same sample corpus and group size: every
// element id of a classic annotated page (word spans, strips, occurrence
// anchors) is one the modern page's script lands on, and for every classic
// strip the script makes exactly the strip's links (modern_site_check.js,
// where node is installed); the contents page keeps every page's id and
// names the text beside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::ReadFile;
using docbase::testing::TempFolder;
namespace fs = std::filesystem;

class ModernPagesTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1); }
  void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }

  // Runs on the texts of `texts` (the sample corpus when empty) in `folder`
  // with `options` added.
  static void Run(const TempFolder& folder, std::vector<std::string> options,
                  const fs::path& texts = {}) {
    fs::copy(texts.empty() ? fs::path(DOCBASE_SOURCE_DIR) / "examples" / "txt_in"
                           : texts,
             folder.path() / "txt_in", fs::copy_options::recursive);
    options.insert(options.begin(),
                   {"-C", folder.path().string(), "--yes", "--address", "",
                    "--group-size", "2"});
    ProgramOutcome outcome =
        RunProgram(DOCBASE_BINARY, options, folder.path(), "");
    ASSERT_EQ(outcome.exit_status, 0) << outcome.out << outcome.err;
  }

  TempFolder classic_;
  TempFolder modern_;
};

std::set<std::string> IdsOf(const std::string& page) {
  std::set<std::string> ids;
  static const std::regex kId("id ?= ?\"([^\"]*)\"");
  for (std::sregex_iterator it(page.begin(), page.end(), kId), end; it != end;
       ++it) {
    ids.insert((*it)[1]);
  }
  return ids;
}

// Every classic anchor and strip, made by the modern pages' script.
void ExpectSiteCheckPasses(const fs::path& modern_out,
                           const fs::path& classic_out) {
  const fs::path node = "/usr/bin/node";
  if (!fs::exists(node)) return;
  ProgramOutcome outcome = RunProgram(
      node.string(),
      {(fs::path(DOCBASE_SOURCE_DIR) / "tests" / "e2e" / "modern_site_check.js")
           .string(),
       modern_out.string(), classic_out.string()},
      modern_out, "");
  EXPECT_EQ(outcome.exit_status, 0) << outcome.out << outcome.err;
  EXPECT_NE(outcome.out.find(" 0 failed"), std::string::npos) << outcome.out;
}

TEST_F(ModernPagesTest, KeepEveryClassicIdAndTheLinksOfEveryStrip) {
  Run(classic_, {});
  Run(modern_, {"--layout", "modern"});
  const fs::path classic_out = classic_.path() / "htm_out";
  const fs::path modern_out = modern_.path() / "htm_out";
  EXPECT_TRUE(fs::exists(modern_out / "docbase.css"));
  EXPECT_TRUE(fs::exists(modern_out / "docbase.js"));
  ExpectSiteCheckPasses(modern_out, classic_out);

  // The modern title is the text's own name; the contents page keeps
  // every page's id and shows the text's name beside it.
  const std::string harbour = ReadFile(modern_out / "page_02.htm");
  EXPECT_NE(harbour.find("<title>harbour.txt</title>"), std::string::npos);
  const std::string modern_contents = ReadFile(modern_out / "files_list.htm");
  const std::set<std::string> contents_ids = IdsOf(modern_contents);
  for (const std::string& id : IdsOf(ReadFile(classic_out / "files_list.htm"))) {
    EXPECT_TRUE(contents_ids.count(id)) << id;
  }
  EXPECT_NE(modern_contents.find("<li id=\"page_06.htm\"><a href=\"page_06.htm\">"
                                 "page_06.htm</a> <span class=\"text-name\">"
                                 "travellers.txt</span></li>"),
            std::string::npos);
}

// A text of 1.6 MB: its annotated page, and the word-index and search pages
// of its group, go on in parts, each under 2 MB and each in htm_out, and
// every link and every classic anchor and strip still lands.
TEST_F(ModernPagesTest, LongTextGoesOnInPartsThatAreAllCollected) {
  TempFolder texts;
  std::string text;
  for (int line = 0; text.size() < 1'600'000; ++line) {
    text += "line " + std::to_string(line) + " of a long story, told word" +
            std::to_string(line % 997) + " by word" +
            std::to_string(line % 89) + "\n";
  }
  docbase::testing::WriteFile(texts.path() / "long.txt", text);
  docbase::testing::WriteFile(texts.path() / "short.txt", "one word more\n");
  Run(classic_, {}, texts.path());
  Run(modern_, {"--layout", "modern"}, texts.path());
  const fs::path modern_out = modern_.path() / "htm_out";
  for (const fs::directory_entry& entry : fs::directory_iterator(modern_out)) {
    EXPECT_LT(entry.file_size(), 2'000'000u) << entry.path();
  }
  for (const char* part : {"page_02_2.htm", "i_1_2.htm", "s_1_2.htm"}) {
    EXPECT_TRUE(fs::exists(modern_out / part)) << part;
  }
  for (const fs::directory_entry& entry : fs::directory_iterator(modern_.path())) {
    EXPECT_NE(entry.path().extension(), ".htm") << entry.path();
  }
  ExpectSiteCheckPasses(modern_out, classic_.path() / "htm_out");
}

}  // namespace
}  // namespace docbase::e2e
