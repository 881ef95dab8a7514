// End-to-end runs of the docbase binary through the start-up dialogue, its
// exits, the work-area set-up and the final clean-up.
#include <gtest/gtest.h>

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
using Names = std::vector<std::string>;

constexpr char kToolChecks[] =
    "---------------------------\r\n"
    "Checking the accessibility of some urgently needed programs:\r\n"
    "cmd.exe, find.exe, findstr.exe, sort.exe\r\n"
    "cmd\r\nfind\r\nfindstr\r\nsort\r\n";

constexpr char kInputEmptyExit[] =
    "sort\r\n"
    "\r\n----------------------------\r\nSubfolder txt_in is empty\r\n\r\n"
    "<1> = continue and end\r\n";

constexpr char kResultsScreen[] =
    "processed 100%\r\n"
    "\r\n============ INDEXING RESULTS ===========\r\n\r\n"
    "Indexing is done.\r\n\r\n"
    "view subfolder: \\htm_out\r\n"
    "view files: page*.htm, index*.htm, i_*.htm, s_*.htm\r\n"
    "You can access the index of all words by double-clicking on any word.\r\n"
    "details: www.example.com/info\r\n\r\n"
    "<...> any key to continue and end\r\n";

// Checks that the run ended by itself with status 0 and nothing on stderr.
void ExpectCleanExit(const ProgramOutcome& outcome) {
  EXPECT_FALSE(outcome.timed_out);
  EXPECT_EQ(outcome.exit_status, 0) << outcome.out;
  EXPECT_EQ(outcome.err, "");
}

// Expects `parts` to appear in `text` in this order.
void ExpectInOrder(const std::string& text, const Names& parts) {
  size_t from = 0;
  for (const std::string& part : parts) {
    size_t at = text.find(part, from);
    ASSERT_NE(at, std::string::npos) << "missing or out of order: " << part;
    from = at + part.size();
  }
}

TEST(FoundationEndToEnd, RefusingTheTermsEndsAtOnceWithStatusZero) {
  TempFolder folder;
  fs::create_directory(folder.path() / "txt_in");
  WriteFile(folder.path() / "txt_in/a.txt", "alpha beta gamma\n");
  ProgramOutcome outcome = RunDocbaseBinary(folder.path(), "2\n");
  ExpectCleanExit(outcome);
  ExpectInOrder(outcome.out, {"Active code page: 65001\r\n",
                              "www.example.com.bas\r\n\r\n" DOCBASE_BINARY
                              "\r\nwww.example.com\r\n",
                              "Program name:www.example.com.exe\r\n"});
  EXPECT_TRUE(
      outcome.out.ends_with("Do you accept the terms of use?\r\n\r\n"
                            "<1> yes, continue\r\n<2> no, end\r\n"));
  // Nothing was touched: the tool checks had not run yet.
  EXPECT_EQ(EntryNames(folder.path()), Names{"txt_in"});
}

TEST(FoundationEndToEnd, NoLowerCaseTxtNameEndsTheRunAtTheKeyOne) {
  struct Case {
    const char* name;
    Names inputs;  // files put into txt_in; none means no txt_in at all
    bool make_txt_in;
  };
  const Case cases[] = {
      {"missing txt_in", {}, false},
      {"empty txt_in", {}, true},
      {"only .TXT names", {"A.TXT", "notes.Txt"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    if (c.make_txt_in) fs::create_directory(folder.path() / "txt_in");
    for (const std::string& name : c.inputs) {
      WriteFile(folder.path() / "txt_in" / name, "words in a file\n");
    }
    // The fourth "1" is the one-key exit; "x" before it is ignored.
    ProgramOutcome outcome = RunDocbaseBinary(folder.path(), "1\n1\n1\nx\n1\n");
    ExpectCleanExit(outcome);
    EXPECT_NE(outcome.out.find(kToolChecks), std::string::npos);
    EXPECT_TRUE(outcome.out.ends_with(kInputEmptyExit)) << outcome.out;
    if (c.make_txt_in) {
      EXPECT_EQ(EntryNames(folder.path() / "txt_in"), c.inputs);
    } else {
      EXPECT_FALSE(fs::exists(folder.path() / "txt_in"));
    }
  }
}

class FullRunEndToEnd : public ::testing::Test {
 protected:
  // A program folder with two inputs and the leftovers of an earlier run.
  void Populate(const fs::path& root) {
    fs::create_directory(root / "txt_in");
    WriteFile(root / "txt_in/notes.txt", "The quick brown fox jumps.\n");
    WriteFile(root / "txt_in/more.txt", "Another line of words.\n");
    fs::create_directory(root / "trace");
    WriteFile(root / "trace/file_trace.txt", "from an earlier run");
    fs::create_directory(root / "htm_out");
    WriteFile(root / "htm_out/page_99.htm", "stale page");
    fs::create_directory(root / "htm_in");
    WriteFile(root / "htm_in/stale.htm", "stale input page");
    for (const char* name : {"old.txt", "old.list", "old.html", "wrd_03.txt"}) {
      WriteFile(root / name, "stale");
    }
    WriteFile(root / "keep.dat", "the user's own file");
  }

  void ExpectCleanEndState(const fs::path& root) {
    EXPECT_EQ(EntryNames(root),
              (Names{"dir_01.txt", "htm_out", "keep.dat", "trace", "txt_in"}));
    EXPECT_EQ(EntryNames(root / "txt_in"), (Names{"more.txt", "notes.txt"}));
    EXPECT_EQ(ReadFile(root / "txt_in/notes.txt"),
              "The quick brown fox jumps.\n");
    EXPECT_EQ(ReadFile(root / "trace/file_trace.txt"), "");
    EXPECT_EQ(ReadFile(root / "keep.dat"), "the user's own file");
    EXPECT_FALSE(fs::exists(root / "htm_out/page_99.htm"));
  }
};

TEST_F(FullRunEndToEnd, DialogueAnsweredThroughAPipe) {
  TempFolder folder;
  Populate(folder.path());
  ProgramOutcome outcome =
      RunDocbaseBinary(folder.path(), "1\n1\n1\n1\nwww.example.org\n");
  ExpectCleanExit(outcome);
  ExpectInOrder(outcome.out,
                {"<1> yes, continue\r\n<2> no, end\r\n",
                 "FONT CONSOLAS OR LUCIDA CONSOLE MUST BE SELECTED",
                 "<1> continue\r\n<2> end\r\n",
                 "THE PROGRAM MUST BE INSTALLED IN YOUR OWN DIRECTORY.",
                 "<1> continue\r\n<2> end\r\n", kToolChecks,
                 "web address for destination search (example: "
                 "www.example.org) = ? ",
                 "====== OVERVIEW/SELECT PARAMETERS ======\r\n",
                 " 34" + std::string(11, ' ') + "no", "\r\nprocessed 1%\r\n",
                 "processed 50%\r\n", "processed 90%\r\n", kResultsScreen});
  EXPECT_TRUE(outcome.out.ends_with(kResultsScreen));
  EXPECT_EQ(outcome.out.find("Checking for"), std::string::npos);
  ExpectCleanEndState(folder.path());
}

TEST_F(FullRunEndToEnd, AutoAnswerFolderNeedsOnlyTheAddressAndTheLastKey) {
  TempFolder outer("BRAMVALE");
  fs::path root = outer.path() / "kestrow_docs";
  fs::create_directory(root);
  Populate(root);
  ProgramOutcome outcome = RunDocbaseBinary(root, "www.example.org\nx\n");
  ExpectCleanExit(outcome);
  EXPECT_TRUE(outcome.out.ends_with(kResultsScreen)) << outcome.out;
  ExpectCleanEndState(root);
}

}  // namespace
}  // namespace docbase::e2e
