// End-to-end runs over a corpus of several page groups: the document base
// in htm_out is complete, every local link lands on a file and an element
// of it, and a run with a fixed date is reproducible byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "common/test_support.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::ReadFile;
using docbase::testing::TempFolder;
using docbase::testing::WriteFile;
namespace fs = std::filesystem;

constexpr char kAnswers[] = "1\n1\n1\n1\nwww.example.org\n";

// The sample corpus, plus a page where "Pages_list" follows "pages_list".
void MakeCorpus(const fs::path& root) {
  fs::copy(fs::path(DOCBASE_SOURCE_DIR) / "examples/txt_in", root / "txt_in");
  WriteFile(root / "txt_in/zz_lists.txt",
            "pages_list comes first here\nPages_list comes later\n");
}

ProgramOutcome RunWithFixedDate(const fs::path& root) {
  ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  ProgramOutcome outcome = RunDocbaseBinary(root, kAnswers);
  ::unsetenv("SOURCE_DATE_EPOCH");
  return outcome;
}

std::map<std::string, std::string> FolderBytes(const fs::path& folder) {
  std::map<std::string, std::string> bytes;
  for (const auto& entry : fs::directory_iterator(folder)) {
    bytes[entry.path().filename().string()] = ReadFile(entry.path());
  }
  return bytes;
}

// Every element id of a page: id="x" and the contents page's id = "x".
std::set<std::string> ElementIds(const std::string& page) {
  static const std::regex id_pattern(R"re(\bid ?= ?"([^"]*)")re");
  std::set<std::string> ids;
  for (std::sregex_iterator it(page.begin(), page.end(), id_pattern), end;
       it != end; ++it) {
    ids.insert((*it)[1]);
  }
  return ids;
}

class DocumentBaseTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TempFolder("docbase_base");
    MakeCorpus(folder_->path());
    outcome_ = new ProgramOutcome(RunWithFixedDate(folder_->path()));
  }
  static void TearDownTestSuite() {
    delete outcome_;
    delete folder_;
  }
  static fs::path Out() { return folder_->path() / "htm_out"; }

  static TempFolder* folder_;
  static ProgramOutcome* outcome_;
};
TempFolder* DocumentBaseTest::folder_ = nullptr;
ProgramOutcome* DocumentBaseTest::outcome_ = nullptr;

TEST_F(DocumentBaseTest, RunsThroughEveryProgressLineInOrder) {
  ASSERT_FALSE(outcome_->timed_out);
  EXPECT_EQ(outcome_->exit_status, 0) << outcome_->out;
  size_t from = 0;
  for (const char* percent :
       {"1", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}) {
    std::string line = std::string("\r\nprocessed ") + percent + "%\r\n";
    size_t at = outcome_->out.find(line, from);
    ASSERT_NE(at, std::string::npos) << line;
    from = at + 1;
  }
  EXPECT_NE(outcome_->out.find("Indexing is done.", from), std::string::npos);
}

TEST_F(DocumentBaseTest, HoldsExactlyTheDocumentBase) {
  // Six inputs give seven pages: group 1 holds pages 1 to 6, group 2 the
  // last one.
  std::vector<std::string> expected = {"files_list.htm", "i_1.htm", "i_2.htm",
                                       "index.htm"};
  for (int page = 1; page <= 7; ++page) {
    expected.push_back("page_0" + std::to_string(page) + ".htm");
  }
  expected.push_back("s_1.htm");
  expected.push_back("s_2.htm");
  EXPECT_EQ(EntryNames(Out()), expected);
  EXPECT_EQ(EntryNames(folder_->path()),
            (std::vector<std::string>{"dir_01.txt", "htm_out", "txt_in"}));

  // A word in three letter cases is one entry of the main index, shown as
  // first found (on the harbour page, before "Market" and "MARKET").
  std::string index = ReadFile(Out() / "index.htm");
  EXPECT_NE(index.find("\r\nmarket\r\n"), std::string::npos);
  EXPECT_EQ(index.find("\r\nMarket\r\n"), std::string::npos);
  EXPECT_EQ(index.find("\r\nMARKET\r\n"), std::string::npos);
  EXPECT_NE(ReadFile(Out() / "files_list.htm").find("page_07.htm"),
            std::string::npos);
  // The 30-word line of the river notes gets a drawn phrase of at most 28
  // words; its link block follows it on the search page.
  EXPECT_NE(ReadFile(Out() / "s_1.htm").find(">ferryman</a>"),
            std::string::npos);
}

TEST_F(DocumentBaseTest, EveryLocalLinkLands) {
  static const std::regex href_pattern("href=\"([^\"]*)\"");
  static const std::regex exempt_span(
      R"re(<span id="(id[0-9]+)" type[^>]*>Pages_list</span>)re");
  std::map<std::string, std::set<std::string>> ids;
  auto pages = FolderBytes(Out());
  for (const auto& [name, bytes] : pages) ids[name] = ElementIds(bytes);

  int links = 0;
  for (const auto& [name, bytes] : pages) {
    // The one expected exception: the link to the next occurrence when that
    // occurrence is spelled "Pages_list", which carries no anchor.
    std::set<std::string> exempt_ids;
    for (std::sregex_iterator it(bytes.begin(), bytes.end(), exempt_span), end;
         it != end; ++it) {
      exempt_ids.insert((*it)[1]);
    }
    for (std::sregex_iterator it(bytes.begin(), bytes.end(), href_pattern), end;
         it != end; ++it) {
      std::string target = (*it)[1];
      if (target.starts_with("http://") || target.starts_with("https://")) {
        continue;
      }
      ++links;
      size_t hash = target.find('#');
      std::string file = target.substr(0, hash);
      if (file.empty()) file = name;
      ASSERT_TRUE(pages.count(file)) << name << " links to " << target;
      if (hash == std::string::npos) continue;
      std::string fragment = target.substr(hash + 1);
      if (ids[file].count(fragment)) continue;
      std::string id = fragment.substr(0, fragment.find('_'));
      EXPECT_TRUE(file == name && exempt_ids.count(id))
          << name << " links to " << target << ", which has no such element";
    }
  }
  EXPECT_GT(links, 1000);
}

TEST_F(DocumentBaseTest, FixedDateGivesByteIdenticalOutput) {
  TempFolder again("docbase_again");
  MakeCorpus(again.path());
  ProgramOutcome second = RunWithFixedDate(again.path());
  ASSERT_EQ(second.exit_status, 0);
  EXPECT_TRUE(FolderBytes(Out()) == FolderBytes(again.path() / "htm_out"));
  EXPECT_NE(ReadFile(Out() / "index.htm")
                .find("Date (mm-dd-yy) = 11-14-2023<br>\r\n"
                      "Time (h:m:s)    = 22:13:20<br>"),
            std::string::npos);
}

}  // namespace
}  // namespace docbase::e2e
