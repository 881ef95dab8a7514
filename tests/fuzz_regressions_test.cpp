// Feeds every input kept under fuzz/regressions/TARGET/ (inputs that once
// failed) and fuzz/corpus/TARGET/ (the seed corpus) through the check of
// that fuzz target, so a fault a fuzzer once found stays fixed in every
// build, with or without clang. A target with nothing to replay fails, as
// does a folder that cannot be read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "../fuzz/line_reader_check.h"
#include "../fuzz/occurrence_tables_check.h"
#include "../fuzz/page_cleaner_check.h"
#include "../fuzz/pipeline_check.h"
#include "../fuzz/word_numbering_check.h"
#include "../fuzz/word_page_runs_check.h"
#include "../fuzz/word_scanner_check.h"
#include "base/test_support.h"

namespace docbase {
namespace {

const std::map<std::string, fuzz::Check>& ChecksByTarget() {
  static const std::map<std::string, fuzz::Check> checks = {
      {"line_reader", fuzz::CheckLineReader},
      {"occurrence_tables", fuzz::CheckOccurrenceTables},
      {"page_cleaner", fuzz::CheckPageCleaner},
      {"pipeline", fuzz::CheckPipeline},
      {"word_numbering", fuzz::CheckWordNumbering},
      {"word_page_runs", fuzz::CheckWordPageRuns},
      {"word_scanner", fuzz::CheckWordScanner},
  };
  return checks;
}

// The folders whose TARGET/ sub-folders hold inputs to replay.
const std::vector<std::filesystem::path>& ReplayFolders() {
  static const std::vector<std::filesystem::path> folders = {
      std::filesystem::path(DOCBASE_SOURCE_DIR) / "fuzz" / "regressions",
      std::filesystem::path(DOCBASE_SOURCE_DIR) / "fuzz" / "corpus"};
  return folders;
}

// The entries of `dir`, sorted; none when it does not exist. Any other
// error reading it is a failure of the calling test.
std::vector<std::filesystem::directory_entry> EntriesOf(
    const std::filesystem::path& dir) {
  std::vector<std::filesystem::directory_entry> entries;
  std::error_code error;
  if (!std::filesystem::exists(dir, error) && !error) return entries;
  std::filesystem::directory_iterator it(dir, error), end;
  for (; !error && it != end; it.increment(error)) entries.push_back(*it);
  if (error) ADD_FAILURE() << dir << ": " << error.message();
  std::sort(entries.begin(), entries.end());
  return entries;
}

TEST(FuzzRegressionsTest, EveryFolderBelongsToAFuzzTarget) {
  for (const auto& folder : ReplayFolders()) {
    for (const auto& entry : EntriesOf(folder)) {
      EXPECT_TRUE(ChecksByTarget().count(entry.path().filename().string()))
          << entry.path() << " has no check: its inputs would never run";
    }
  }
}

class FuzzRegression : public ::testing::TestWithParam<std::string> {};

TEST_P(FuzzRegression, KeptInputsPassTheCheck) {
  const fuzz::Check check = ChecksByTarget().at(GetParam());
  int replayed = 0;
  for (const auto& folder : ReplayFolders()) {
    for (const auto& entry : EntriesOf(folder / GetParam())) {
      if (!entry.is_regular_file()) continue;
      testing::TempFolder scratch("docbase_regression");
      std::string input = testing::ReadFile(entry.path());
      EXPECT_EQ(check(input, scratch.path()), "") << entry.path();
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0) << GetParam() << " has no input to replay";
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegression,
                         ::testing::Values("line_reader", "occurrence_tables",
                                           "page_cleaner", "pipeline",
                                           "word_numbering", "word_page_runs",
                                           "word_scanner"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace docbase
