// Runs on a disk that fails under them: a program folder turned read-only
// while the run waits at a menu, and a small file system that fills up.
// Either way the run must stop with a framed message naming the file and
// the reason, end with status 1, never claim "Indexing is done.", and leave
// txt_in as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/test_support.h"
#include "hardening_support.h"
#include "live_program.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::TempFolder;
namespace fs = std::filesystem;

// The run stopped on a file with `reason` in the framed message.
void ExpectStoppedOnAFile(const ProgramOutcome& outcome,
                          const std::string& reason) {
  EXPECT_FALSE(outcome.timed_out);
  EXPECT_EQ(outcome.exit_status, 1) << outcome.out;
  EXPECT_EQ(outcome.out.find(kDone), std::string::npos);
  size_t at = outcome.out.find(kStopped);
  ASSERT_NE(at, std::string::npos) << outcome.out;
  size_t name_at = at + std::string_view(kStopped).size();
  size_t name_end = outcome.out.find("\r\n", name_at);
  ASSERT_NE(name_end, std::string::npos);
  EXPECT_GT(name_end, name_at) << "the message names no file";
  EXPECT_EQ(outcome.out.compare(name_end, 10, "\r\nreason: "), 0)
      << outcome.out.substr(at);
  EXPECT_NE(outcome.out.find(reason, name_end), std::string::npos)
      << outcome.out.substr(at);
  EXPECT_TRUE(outcome.out.ends_with(
      "============================================\r\n"));
}

TEST(FailingDiskEndToEnd, FolderTurnedReadOnlyAtTheFileCountMenu) {
  TempFolder outer;
  const fs::path root = outer.path() / "base";
  fs::create_directory(root);
  WriteWordCorpus(root / "txt_in", 5, 3000);
  const Snapshot inputs = TakeSnapshot(root / "txt_in");

  ScopedMount mount = ScopedMount::Bind(root);
  if (!mount.ok()) GTEST_SKIP() << "cannot mount: " << mount.error();
  LiveProgram run(root);
  ASSERT_TRUE(run.started());
  run.Send(kAnswersBeforeFileCount);
  ASSERT_TRUE(run.WaitForOutput(FileCountMenu(5))) << run.out();
  ASSERT_TRUE(mount.MakeReadOnly()) << mount.error();
  run.Send(kAnswersAfterFileCount);
  ProgramOutcome outcome = run.Finish();
  ExpectStoppedOnAFile(outcome, "Read-only file system");
  DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(root / "txt_in"), inputs);
}

TEST(FailingDiskEndToEnd, SmallFileSystemThatFillsUp) {
  // From a corpus that fits to ones that fill the 2 MB at different phases:
  // the copies of the text-to-page conversion, the word tables, the pages.
  struct Case {
    int files;
    size_t bytes_each;
  };
  const Case cases[] = {{2, 500}, {4, 10000}, {10, 20000}, {20, 40000}};
  int stopped = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.files) + " files of " +
                 std::to_string(c.bytes_each) + " bytes");
    TempFolder outer;
    const fs::path root = outer.path() / "base";
    fs::create_directory(root);
    ScopedMount small = ScopedMount::Tmpfs(root, "2m");
    if (!small.ok()) GTEST_SKIP() << "cannot mount a tmpfs: " << small.error();
    WriteWordCorpus(root / "txt_in", c.files, c.bytes_each);
    const Snapshot inputs = TakeSnapshot(root / "txt_in");

    ProgramOutcome outcome = RunDocbaseBinary(root, kAnswers);
    if (outcome.exit_status == 0) {
      EXPECT_NE(outcome.out.find(kDone), std::string::npos) << outcome.out;
    } else {
      ++stopped;
      ExpectStoppedOnAFile(outcome, "No space left on device");
    }
    DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(root / "txt_in"), inputs);
    // The run lock goes on every way out that can still remove it.
    EXPECT_FALSE(fs::exists(root / ".docbase.lock"));
  }
  EXPECT_GE(stopped, 2) << "the file system never filled up";
}

}  // namespace
}  // namespace docbase::e2e
