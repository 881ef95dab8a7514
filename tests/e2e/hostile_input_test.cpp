// Hostile input corpora: file names a shell would take apart, bytes that
// are not text, huge single lines, thousands of empty files. Every run must
// end normally with the expected pages, and no input may start anything
// (tests/e2e/no_child_process.sh checks that under strace).
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "adversarial_inputs.h"
#include "base/test_support.h"
#include "hardening_support.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::ReadFile;
using docbase::testing::TempFolder;
using docbase::testing::WriteFile;
namespace fs = std::filesystem;

// The largest file a run here may write: the pages of a 5 MB line of
// short words are some hundred megabytes; a run whose output grows without
// bound is stopped at this size (SIGXFSZ) instead of filling the disk.
constexpr rlim_t kLargestFile = rlim_t{1} << 30;

// Runs docbase in `root` and checks the normal end: status 0, the results
// screen, txt_in unchanged, one page per input plus the promotional page,
// and the contents and index pages; on standard error only `err` (the
// texts that are not UTF-8).
ProgramOutcome RunAndExpectPages(const fs::path& root, size_t inputs,
                                 std::string_view err = "") {
  const Snapshot before = TakeSnapshot(root / "txt_in");
  ProgramOutcome outcome;
  {
    ScopedFileSizeLimit limit(kLargestFile);
    outcome = RunDocbaseBinary(root, kAnswers);
  }
  EXPECT_FALSE(outcome.timed_out);
  EXPECT_EQ(outcome.exit_status, 0)
      << "(-1: killed, SIGXFSZ when a file outgrew the limit)\n"
      << outcome.out.substr(
             outcome.out.size() > 3000 ? outcome.out.size() - 3000 : 0);
  // Standard error holds `err` and at most the hint on pages over 20 MB.
  std::string err_without_hint = outcome.err;
  const size_t hint = err_without_hint.find("docbase: htm_out/");
  if (hint != std::string::npos) {
    const size_t end = err_without_hint.find('\n', hint);
    EXPECT_NE(err_without_hint
                  .substr(hint, end - hint)
                  .find("--layout modern (or --group-size N) makes pages "
                        "browsers open at once."),
              std::string::npos)
        << outcome.err;
    err_without_hint.erase(hint, end == std::string::npos ? end : end + 1 - hint);
  }
  EXPECT_EQ(err_without_hint, err);
  EXPECT_NE(outcome.out.find(kDone), std::string::npos);
  DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(root / "txt_in"), before);
  size_t pages = 0;
  for (const std::string& name : EntryNames(root / "htm_out")) {
    if (name.starts_with("page_")) ++pages;
  }
  EXPECT_EQ(pages, inputs + 1);
  for (const char* page :
       {"index.htm", "files_list.htm", "i_1.htm", "s_1.htm"}) {
    EXPECT_TRUE(fs::exists(root / "htm_out" / page)) << page;
  }
  return outcome;
}

TEST(HostileInputEndToEnd, NamesAndBytesAShellWouldMisread) {
  TempFolder folder;
  WriteAdversarialInputs(folder.path() / "txt_in", {"names", "nul", "cr"});
  const std::vector<std::string> inputs = EntryNames(folder.path() / "txt_in");
  // The one text that is not UTF-8 keeps its bytes and is named.
  RunAndExpectPages(folder.path(), inputs.size(),
                    "docbase: bad\xff\xfe utf8.txt: not UTF-8, kept as bytes "
                    "(see --encoding)\n");
  // Every file was read: the word each named file ends with ("hostileword"
  // and a letter) is in the index of all words.
  const std::string index = ReadFile(folder.path() / "htm_out/index.htm");
  size_t markers = 0;
  for (const std::string& name : inputs) {
    const std::string text = ReadFile(folder.path() / "txt_in" / name);
    const size_t marker = text.rfind("hostileword");
    if (marker == std::string::npos) continue;
    ++markers;
    EXPECT_NE(index.find(text.substr(marker, 12)), std::string::npos) << name;
  }
  EXPECT_GT(markers, 20u);
  // Nothing was run.
  for (const auto& name : EntryNames(folder.path())) {
    EXPECT_EQ(name.find("pwned"), std::string::npos) << name;
  }
}

TEST(HostileInputEndToEnd, NamesWithLineEnds) {
  // A listing holds one name per line, so these names come apart in it;
  // the run must still index every file and leave txt_in alone.
  TempFolder folder;
  fs::create_directory(folder.path() / "txt_in");
  WriteFile(folder.path() / "txt_in/line\nbreak.txt", "words lfname\n");
  WriteFile(folder.path() / "txt_in/carriage\rreturn.txt", "words crname\n");
  WriteFile(folder.path() / "txt_in/ends in lf\n.txt", "words lastlf\n");
  WriteFile(folder.path() / "txt_in/plain.txt", "words plainname\n");
  RunAndExpectPages(folder.path(), 4);
  const std::string index = ReadFile(folder.path() / "htm_out/index.htm");
  for (const char* word : {"lfname", "crname", "lastlf", "plainname"}) {
    EXPECT_NE(index.find(word), std::string::npos) << word;
  }
  EXPECT_EQ(EntryNames(folder.path()),
            (std::vector<std::string>{"dir_01.txt", "htm_out", "txt_in"}));
}

TEST(HostileInputEndToEnd, NamesWithLineEndsThatKeepTheirOwnLeaveNothing) {
  // The sanitised names are taken, so the copies in txt_wrk and their pages
  // keep the line ends in their names up to the clean-up, which must still
  // remove them and their folders.
  TempFolder folder;
  fs::create_directory(folder.path() / "txt_in");
  const std::pair<const char*, const char*> files[] = {
      {"line\nbreak", "lfname"},
      {"line_break", "lfother"},
      {"carriage\rreturn", "crname"},
      {"carriage_return", "crother"}};
  for (const auto& [name, word] : files) {
    WriteFile(folder.path() / "txt_in" / (std::string(name) + ".txt"),
              std::string("words ") + word + "\n");
  }
  const Snapshot before = TakeSnapshot(folder.path() / "txt_in");
  ProgramOutcome outcome = RunDocbaseBinary(folder.path(), kAnswers);
  EXPECT_EQ(outcome.exit_status, 0) << outcome.out;
  EXPECT_NE(outcome.out.find(kDone), std::string::npos);
  DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(folder.path() / "txt_in"), before);
  EXPECT_EQ(EntryNames(folder.path()),
            (std::vector<std::string>{"dir_01.txt", "htm_out", "txt_in"}));
  const std::string index = ReadFile(folder.path() / "htm_out/index.htm");
  for (const char* word : {"lfother", "crother"}) {
    EXPECT_NE(index.find(word), std::string::npos) << word;
  }
}

TEST(HostileInputEndToEnd, FiveMegabyteSingleLines) {
  TempFolder folder;
  fs::create_directory(folder.path() / "txt_in");
  std::string words;
  while (words.size() < 5'000'000) words += "gamma delta epsilon ";
  WriteFile(folder.path() / "txt_in/with blanks.txt", words);
  WriteFile(folder.path() / "txt_in/no blanks.txt",
            std::string(5'000'000, 'z') + "\n");
  const ProgramOutcome outcome = RunAndExpectPages(folder.path(), 2);
  const std::string index = ReadFile(folder.path() / "htm_out/index.htm");
  EXPECT_NE(index.find("epsilon"), std::string::npos);
  // The page of the 5 MB line of words is some hundred MB: the run says so.
  EXPECT_TRUE(outcome.err.starts_with("docbase: htm_out/page_03.htm is "))
      << outcome.err;
}

TEST(HostileInputEndToEnd, FiveThousandEmptyFiles) {
  TempFolder folder;
  fs::create_directory(folder.path() / "txt_in");
  for (int i = 0; i < 5000; ++i) {
    WriteFile(
        folder.path() / "txt_in" / ("empty_" + std::to_string(i) + ".txt"), "");
  }
  WriteFile(folder.path() / "txt_in/words.txt", "some words at last\n");
  RunAndExpectPages(folder.path(), 5001);
}

// The strace script: one execve in the whole run, the program's own.
TEST(HostileInputEndToEnd, NoProcessIsEverStarted) {
  const std::string script =
      std::string(DOCBASE_SOURCE_DIR) + "/tests/e2e/no_child_process.sh";
  TempFolder scratch;
  ProgramOutcome outcome =
      RunProgram("/bin/bash", {script, DOCBASE_BINARY}, scratch.path(), "");
  if (outcome.exit_status == 77) GTEST_SKIP() << outcome.out << outcome.err;
  EXPECT_EQ(outcome.exit_status, 0) << outcome.out << outcome.err;
}

}  // namespace
}  // namespace docbase::e2e
