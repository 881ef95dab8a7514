// Feeds every input kept under fuzz/regressions/TARGET/ through the check
// of that fuzz target, so a fault a fuzzer once found stays fixed in every
// build, with or without clang.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "../fuzz/line_reader_check.h"
#include "../fuzz/occurrence_tables_check.h"
#include "../fuzz/page_cleaner_check.h"
#include "../fuzz/pipeline_check.h"
#include "../fuzz/quoted_record_check.h"
#include "../fuzz/word_numbering_check.h"
#include "../fuzz/word_page_runs_check.h"
#include "../fuzz/word_scanner_check.h"
#include "common/test_support.h"

namespace docbase {
namespace {

const std::map<std::string, fuzz::Check>& ChecksByTarget() {
  static const std::map<std::string, fuzz::Check> checks = {
      {"line_reader", fuzz::CheckLineReader},
      {"occurrence_tables", fuzz::CheckOccurrenceTables},
      {"page_cleaner", fuzz::CheckPageCleaner},
      {"pipeline", fuzz::CheckPipeline},
      {"quoted_record", fuzz::CheckQuotedRecord},
      {"word_numbering", fuzz::CheckWordNumbering},
      {"word_page_runs", fuzz::CheckWordPageRuns},
      {"word_scanner", fuzz::CheckWordScanner},
  };
  return checks;
}

std::filesystem::path RegressionFolder() {
  return std::filesystem::path(DOCBASE_SOURCE_DIR) / "fuzz" / "regressions";
}

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& dir) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(FuzzRegressionsTest, EveryFolderBelongsToAFuzzTarget) {
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator(RegressionFolder(), error)) {
    EXPECT_TRUE(ChecksByTarget().count(entry.path().filename().string()))
        << entry.path() << " has no check: its inputs would never run";
  }
}

class FuzzRegression : public ::testing::TestWithParam<std::string> {};

TEST_P(FuzzRegression, KeptInputsPassTheCheck) {
  const fuzz::Check check = ChecksByTarget().at(GetParam());
  for (const auto& file : FilesIn(RegressionFolder() / GetParam())) {
    testing::TempFolder scratch("docbase_regression");
    std::string input = testing::ReadFile(file);
    EXPECT_EQ(check(input, scratch.path()), "") << file;
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegression,
                         ::testing::Values("line_reader", "occurrence_tables",
                                           "page_cleaner", "pipeline",
                                           "quoted_record", "word_numbering",
                                           "word_page_runs", "word_scanner"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace docbase
