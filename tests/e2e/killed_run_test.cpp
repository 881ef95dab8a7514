// Runs killed with SIGKILL at several points (at the file-count menu, at the
// destination prompt, after each progress line): txt_in stays as it was,
// and the next run in the same folder completes with exactly the htm_out of
// a run that was never interrupted. SOURCE_DATE_EPOCH makes the date lines
// of the pages equal.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "base/test_support.h"
#include "hardening_support.h"
#include "live_program.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::TempFolder;
namespace fs = std::filesystem;

constexpr int kFiles = 30;
constexpr size_t kBytesEach = 20000;

TEST(KilledRunEndToEnd, NextRunInTheFolderGivesTheUninterruptedPages) {
  ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  TempFolder reference;
  WriteWordCorpus(reference.path() / "txt_in", kFiles, kBytesEach);
  ProgramOutcome uninterrupted = RunDocbaseBinary(reference.path(), kAnswers);
  ASSERT_EQ(uninterrupted.exit_status, 0) << uninterrupted.out;
  const Snapshot expected = TakeSnapshot(reference.path() / "htm_out");
  ASSERT_FALSE(expected.empty());

  const std::string kill_points[] = {
      FileCountMenu(kFiles), "= ? ",
      "processed 1%\r\n",    "processed 10%\r\n",
      "processed 20%\r\n",   "processed 30%\r\n",
      "processed 40%\r\n",   "processed 50%\r\n",
      "processed 60%\r\n",   "processed 70%\r\n",
      "processed 90%\r\n",   "processed 100%\r\n"};
  for (const std::string& point : kill_points) {
    SCOPED_TRACE("killed at " + point);
    TempFolder folder;
    WriteWordCorpus(folder.path() / "txt_in", kFiles, kBytesEach);
    const Snapshot inputs = TakeSnapshot(folder.path() / "txt_in");
    {
      LiveProgram run(folder.path());
      ASSERT_TRUE(run.started());
      run.Send(kAnswers);
      ASSERT_TRUE(run.WaitForOutput(point)) << run.out();
      run.Kill();
    }
    DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(folder.path() / "txt_in"), inputs);

    ProgramOutcome next = RunDocbaseBinary(folder.path(), kAnswers);
    EXPECT_EQ(next.exit_status, 0) << next.out;
    EXPECT_NE(next.out.find(kDone), std::string::npos);
    const Snapshot pages = TakeSnapshot(folder.path() / "htm_out");
    DOCBASE_EXPECT_SAME_FILES(pages, expected);
    EXPECT_EQ(EntryNames(folder.path()), EntryNames(reference.path()));
    DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(folder.path() / "txt_in"), inputs);
  }
}

}  // namespace
}  // namespace docbase::e2e
