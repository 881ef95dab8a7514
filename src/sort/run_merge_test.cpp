#include "sort/run_merge.h"

#include <gtest/gtest.h>

#include "common/test_support.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::WriteFile;

class RunMergerTest : public ::testing::Test {
 protected:
  RunMergerTest() : area_(folder_.path()) {}

  testing::TempFolder folder_;
  WorkArea area_;
  RunMerger merger_{50};
  RunMerger::Result result_;
};

TEST_F(RunMergerTest, MergesRunsOfUnequalLength) {
  WriteFile(area_.Path("r1.txt"), "\r\nb\r\nb\r\nz\r\n");
  WriteFile(area_.Path("r2.txt"), "a\r\nb\r\n");
  WriteFile(area_.Path("r3.txt"), "\r\nc\r\nd\r\ne\r\n\xc3\xa9\r\n");
  ASSERT_TRUE(
      merger_.Merge(area_, {"r1.txt", "r2.txt", "r3.txt"}, "out.txt", &result_)
          .ok());
  EXPECT_EQ(result_.outcome, RunMerger::Outcome::kMerged);
  EXPECT_EQ(result_.lines, 11u);
  EXPECT_EQ(ReadFile(area_.Path("out.txt")),
            "\r\n\r\na\r\nb\r\nb\r\nb\r\nc\r\nd\r\ne\r\nz\r\n\xc3\xa9\r\n");

  // The same merger again, one run, replacing the output.
  ASSERT_TRUE(merger_.Merge(area_, {"r2.txt"}, "out.txt", &result_).ok());
  EXPECT_EQ(ReadFile(area_.Path("out.txt")), "a\r\nb\r\n");
}

TEST_F(RunMergerTest, NoRunsGiveAnEmptyOutput) {
  WriteFile(area_.Path("out.txt"), "old\r\n");
  ASSERT_TRUE(merger_.Merge(area_, {}, "out.txt", &result_).ok());
  EXPECT_EQ(result_.outcome, RunMerger::Outcome::kMerged);
  EXPECT_EQ(ReadFile(area_.Path("out.txt")), "");
}

TEST_F(RunMergerTest, ReportsOutputOutOfOrder) {
  WriteFile(area_.Path("r1.txt"), "a\r\nc\r\nb\r\n");
  WriteFile(area_.Path("r2.txt"), "d\r\n");
  ASSERT_TRUE(
      merger_.Merge(area_, {"r1.txt", "r2.txt"}, "out.txt", &result_).ok());
  EXPECT_EQ(result_.outcome, RunMerger::Outcome::kOutOfOrder);
  EXPECT_EQ(ReadFile(area_.Path("out.txt")), "a\r\nc\r\nb\r\nd\r\n");
}

}  // namespace
}  // namespace docbase
