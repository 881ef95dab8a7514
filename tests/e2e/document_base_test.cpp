// End-to-end runs over a corpus of several page groups: the document base
// in htm_out is complete, every local link lands on a file and an element
// of it, and a run with a fixed date is reproducible byte for byte.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/test_support.h"
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

// The values of `attribute`="..." in `bytes`, where the attribute name
// starts a word and blanks may stand around the "=" (the contents page
// writes id = "x").
std::vector<std::string> AttributeValues(const std::string& bytes,
                                         std::string_view attribute) {
  std::vector<std::string> values;
  for (size_t at = bytes.find(attribute); at != std::string::npos;
       at = bytes.find(attribute, at + 1)) {
    if (at > 0 && (std::isalnum(static_cast<unsigned char>(bytes[at - 1])) ||
                   bytes[at - 1] == '_')) {
      continue;
    }
    size_t next = at + attribute.size();
    if (next < bytes.size() && bytes[next] == ' ') ++next;
    if (next >= bytes.size() || bytes[next] != '=') continue;
    ++next;
    if (next < bytes.size() && bytes[next] == ' ') ++next;
    if (next >= bytes.size() || bytes[next] != '"') continue;
    const size_t end = bytes.find('"', next + 1);
    if (end == std::string::npos) break;
    values.push_back(bytes.substr(next + 1, end - next - 1));
  }
  return values;
}

// Every element id of a page: id="x" and the contents page's id = "x".
std::set<std::string> ElementIds(const std::string& page) {
  std::vector<std::string> values = AttributeValues(page, "id");
  return std::set<std::string>(values.begin(), values.end());
}

// The ids of the spans <span id="idN" type...>Pages_list</span>.
std::set<std::string> PagesListSpanIds(const std::string& page) {
  constexpr std::string_view kOpen = "<span id=\"";
  constexpr std::string_view kText = ">Pages_list</span>";
  std::set<std::string> ids;
  for (size_t at = page.find(kOpen); at != std::string::npos;
       at = page.find(kOpen, at + 1)) {
    const size_t begin = at + kOpen.size();
    const size_t end = page.find('"', begin);
    const size_t close = page.find('>', begin);
    if (end == std::string::npos || close == std::string::npos) break;
    const std::string id = page.substr(begin, end - begin);
    const bool numbered =
        id.size() > 2 && id.starts_with("id") &&
        id.find_first_not_of("0123456789", 2) == std::string::npos;
    if (numbered && page.compare(end, 6, "\" type") == 0 &&
        page.compare(close, kText.size(), kText) == 0) {
      ids.insert(id);
    }
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
  std::map<std::string, std::set<std::string>> ids;
  auto pages = FolderBytes(Out());
  for (const auto& [name, bytes] : pages) ids[name] = ElementIds(bytes);

  int links = 0;
  for (const auto& [name, bytes] : pages) {
    // The one expected exception: the link to the next occurrence when that
    // occurrence is spelled "Pages_list", which carries no anchor.
    const std::set<std::string> exempt_ids = PagesListSpanIds(bytes);
    for (const std::string& target : AttributeValues(bytes, "href")) {
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
