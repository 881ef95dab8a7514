#include "sort/file_sort.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/test_support.h"
#include "driver/scripted_console.h"
#include "workarea/commands.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::WriteFile;

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Distinct-looking lines with repeats, in no particular order.
std::vector<std::string> ScrambledLines(size_t count) {
  std::vector<std::string> lines;
  uint64_t x = 88172645463325252ull;
  for (size_t i = 0; i < count; ++i) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    lines.push_back("\"" + std::to_string(x % 50000) + "\",\"w" +
                    std::to_string(x % 977) + "\"");
  }
  return lines;
}

std::vector<std::string> Sorted(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  return lines;
}

class FileSortTest : public ::testing::Test {
 protected:
  FileSortTest() : area_(folder_.path()) {}

  // Sorts `input` (written to in.txt) into out.txt.
  Status Sort(std::string_view input, const FileSortLimits& limits = {}) {
    WriteFile(area_.Path("in.txt"), input);
    state_.sort_input_name = "in.txt";
    state_.sort_output_name = "out.txt";
    return FileSortWithLimits(area_, state_, console_, limits, &report_);
  }
  std::string Output() { return ReadFile(area_.Path("out.txt")); }
  std::vector<std::string> RunFiles() {
    return MatchingNames(area_, "file_s_*.txt");
  }
  // The run files file_s_1.txt .. file_s_<count>.txt, in listing order.
  static std::vector<std::string> RunNames(size_t count) {
    std::vector<std::string> names;
    for (size_t n = 1; n <= count; ++n) {
      names.push_back("file_s_" + std::to_string(n) + ".txt");
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  testing::TempFolder folder_;
  WorkArea area_;
  RunState state_;
  ScriptedConsole console_;
  FileSortReport report_;
};

TEST_F(FileSortTest, OrdersBytesUnsignedWithShorterPrefixFirst) {
  ASSERT_TRUE(Sort("apple\nZebra\nApple\n").ok());
  EXPECT_EQ(Output(), "Apple\r\nZebra\r\napple\r\n");

  // Empty lines first, duplicates adjacent, UTF-8 after ASCII, a line
  // before its continuations, every line end read, last line unended.
  ASSERT_TRUE(
      Sort("\rb\n\xc3\xa9t\xc3\xa9\r\nab\rb\n\nab~\r\n~\nabc\nid10\nid9").ok());
  EXPECT_EQ(Output(), CrLfLines({"", "", "ab", "abc", "ab~", "b", "b", "id10",
                                 "id9", "~", "\xc3\xa9t\xc3\xa9"}));
  EXPECT_EQ(ReadFile(area_.Path("in.txt")),
            "\rb\n\xc3\xa9t\xc3\xa9\r\nab\rb\n\nab~\r\n~\nabc\nid10\nid9");
  EXPECT_EQ(ReadFile(area_.Path("sort_output.txt")), Output());
  EXPECT_TRUE(console_.output().empty());
}

TEST_F(FileSortTest, EmptyOrMissingInputGivesEmptyOutput) {
  WriteFile(area_.Path("out.txt"), "old contents\r\n");
  ASSERT_TRUE(Sort("").ok());
  EXPECT_TRUE(std::filesystem::exists(area_.Path("out.txt")));
  EXPECT_EQ(Output(), "");
  EXPECT_EQ(report_.runs, 0u);

  state_.sort_input_name = "missing.txt";
  WriteFile(area_.Path("out.txt"), "old contents\r\n");
  ASSERT_TRUE(FileSort(area_, state_, console_).ok());
  EXPECT_EQ(Output(), "");
}

TEST_F(FileSortTest, EmptyInputNameEndsTheRunSilently) {
  state_.sort_output_name = "out.txt";
  EXPECT_TRUE(FileSort(area_, state_, console_).run_ended());
  EXPECT_TRUE(console_.output().empty());
  EXPECT_FALSE(std::filesystem::exists(area_.Path("out.txt")));
}

TEST_F(FileSortTest, RunsHoldTwoThousandLines) {
  std::vector<std::string> lines = ScrambledLines(2001);
  std::vector<std::string> first(lines.begin(), lines.end() - 1);

  ASSERT_TRUE(Sort(CrLfLines(first)).ok());
  EXPECT_EQ(RunFiles(), std::vector<std::string>{"file_s_1.txt"});
  EXPECT_EQ(Output(), CrLfLines(Sorted(first)));

  ASSERT_TRUE(Sort(CrLfLines(lines)).ok());
  EXPECT_EQ(RunFiles(),
            (std::vector<std::string>{"file_s_1.txt", "file_s_2.txt"}));
  EXPECT_EQ(ReadFile(area_.Path("file_s_2.txt")), lines.back() + "\r\n");
  EXPECT_EQ(report_.pass_widths, std::vector<size_t>{2});
  EXPECT_EQ(Output(), CrLfLines(Sorted(lines)));
}

TEST_F(FileSortTest, FiftyOneRunsMergeInTwoPasses) {
  std::vector<std::string> lines = ScrambledLines(100001);
  ASSERT_TRUE(Sort(CrLfLines(lines)).ok());
  EXPECT_EQ(report_.runs, 51u);
  // Runs 1..50 become run 52; run 51 waits and joins the last pass.
  EXPECT_EQ(report_.pass_widths, (std::vector<size_t>{50, 2}));
  EXPECT_EQ(report_.pass_lines, (std::vector<uint64_t>{100000, 100001}));
  EXPECT_EQ(RunFiles(), RunNames(52));
  // The last pass merged run 51 (the last line) with run 52 (the others).
  EXPECT_EQ(ReadFile(area_.Path("file_s_51.txt")), lines.back() + "\r\n");
  std::vector<std::string> merged(lines.begin(), lines.end() - 1);
  EXPECT_EQ(ReadFile(area_.Path("file_s_52.txt")), CrLfLines(Sorted(merged)));
  EXPECT_EQ(Output(), CrLfLines(Sorted(lines)));
}

TEST_F(FileSortTest, MergesLevelByLevel) {
  // 20 lines in runs of 2 give 10 runs; merging 3 at a time, level 1 makes
  // three runs of 6 lines and passes run 10 on, level 2 merges the three,
  // and the last pass merges that with run 10. Each line is rewritten three
  // times at most, rather than once per pass.
  std::vector<std::string> lines = ScrambledLines(20);
  ASSERT_TRUE(Sort(CrLfLines(lines), {2, 3}).ok());
  EXPECT_EQ(report_.runs, 10u);
  EXPECT_EQ(report_.pass_widths, (std::vector<size_t>{3, 3, 3, 3, 2}));
  EXPECT_EQ(report_.pass_lines, (std::vector<uint64_t>{6, 6, 6, 18, 20}));
  EXPECT_EQ(RunFiles(), RunNames(14));
  // Run 14 is the level-2 merge of runs 11 .. 13 (all lines but run 10's).
  std::vector<std::string> merged(lines.begin(), lines.begin() + 18);
  EXPECT_EQ(ReadFile(area_.Path("file_s_14.txt")), CrLfLines(Sorted(merged)));
  EXPECT_EQ(Output(), CrLfLines(Sorted(lines)));
}

TEST_F(FileSortTest, SecondCallRemovesTheRunFilesOfTheFirst) {
  std::vector<std::string> lines = ScrambledLines(20);
  ASSERT_TRUE(Sort(CrLfLines(lines), {2, 3}).ok());
  EXPECT_EQ(RunFiles().size(), 14u);
  WriteFile(area_.Path("FILE_S_77.TXT"), "stale\r\n");
  WriteFile(area_.Path("file_s_01.txt"), "stale\r\n");
  ASSERT_TRUE(Sort("b\na\nc\n", {2, 3}).ok());
  EXPECT_EQ(RunFiles(),
            (std::vector<std::string>{"file_s_1.txt", "file_s_2.txt"}));
  EXPECT_EQ(ReadFile(area_.Path("file_s_1.txt")), "a\r\nb\r\n");
  EXPECT_EQ(ReadFile(area_.Path("file_s_2.txt")), "c\r\n");
  EXPECT_EQ(Output(), "a\r\nb\r\nc\r\n");

  // A larger sort after a smaller one: no leftover is taken for a run.
  ASSERT_TRUE(Sort(CrLfLines(lines), {2, 3}).ok());
  EXPECT_EQ(Output(), CrLfLines(Sorted(lines)));
}

TEST_F(FileSortTest, EarlierOutputsStayIntact) {
  ASSERT_TRUE(Sort("b\na\n").ok());
  ASSERT_TRUE(Sort("d\nc\n").ok());
  EXPECT_EQ(Output(), "c\r\nd\r\n");
  std::filesystem::rename(area_.Path("out.txt"), area_.Path("first.txt"));
  state_.sort_output_name = "second.txt";
  WriteFile(area_.Path("in.txt"), "f\ne\n");
  ASSERT_TRUE(FileSort(area_, state_, console_).ok());
  EXPECT_EQ(ReadFile(area_.Path("first.txt")), "c\r\nd\r\n");
  EXPECT_EQ(ReadFile(area_.Path("second.txt")), "e\r\nf\r\n");
}

// The highest of the next `count` descriptors that open(2) will hand out.
int NthFreeDescriptor(size_t count) {
  std::vector<int> taken;
  for (size_t i = 0; i < count; ++i)
    taken.push_back(open("/dev/null", O_RDONLY));
  for (int fd : taken) close(fd);
  return *std::max_element(taken.begin(), taken.end());
}

TEST_F(FileSortTest, MergeOutputWithoutFileHandleShowsDiagnostics) {
  WriteFile(area_.Path("in.txt"), "f\ne\nd\nc\nb\na\n");
  state_.sort_input_name = "in.txt";
  state_.sort_output_name = "out.txt";
  // Three runs of two lines: the three run readers get descriptors, the
  // merge output does not.
  rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  rlimit tight = saved;
  tight.rlim_cur = static_cast<rlim_t>(NthFreeDescriptor(3) + 1);
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &tight), 0);
  Status status =
      FileSortWithLimits(area_, state_, console_, {2, 50}, &report_);
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &saved), 0);

  EXPECT_TRUE(status.run_ended()) << status.ToString();
  EXPECT_EQ(console_.output(),
            "---------- sort error ----------\r\n"
            "number of files > file.max\r\n"
            "file.max =  3\r\n"
            "sort.input$ = in.txt\r\n"
            "sort.output$ = out.txt\r\n"
            "file.name.02$ = sort_output.txt\r\n"
            "file.num.02 =  0\r\n");
}

}  // namespace
}  // namespace docbase
