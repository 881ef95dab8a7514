// Two runs in one folder at once: the second is refused before it touches
// anything, with status 1; the first goes on to the end.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/test_support.h"
#include "hardening_support.h"
#include "live_program.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::TempFolder;
namespace fs = std::filesystem;

TEST(ConcurrentRunEndToEnd, SecondRunIsRefusedAndTheFirstFinishes) {
  TempFolder folder;
  WriteWordCorpus(folder.path() / "txt_in", 3, 2000);
  const Snapshot inputs = TakeSnapshot(folder.path() / "txt_in");

  LiveProgram first(folder.path());
  ASSERT_TRUE(first.started());
  first.Send(kAnswersBeforeFileCount);
  ASSERT_TRUE(first.WaitForOutput(FileCountMenu(3))) << first.out();

  const Snapshot while_waiting = TakeSnapshot(folder.path());
  ProgramOutcome second = RunDocbaseBinary(folder.path(), kAnswers);
  EXPECT_FALSE(second.timed_out);
  EXPECT_EQ(second.exit_status, 1);
  EXPECT_NE(second.out.find("Another docbase run is working in this folder."),
            std::string::npos)
      << second.out;
  EXPECT_EQ(second.out.find("Active code page"), std::string::npos);
  // The refused run touched nothing.
  DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(folder.path()), while_waiting);

  first.Send(kAnswersAfterFileCount);
  ProgramOutcome outcome = first.Finish();
  EXPECT_EQ(outcome.exit_status, 0) << outcome.out;
  EXPECT_NE(outcome.out.find(kDone), std::string::npos);
  EXPECT_FALSE(fs::exists(folder.path() / ".docbase.lock"));
  DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(folder.path() / "txt_in"), inputs);

  // With the first run over, the folder is free again.
  ProgramOutcome third = RunDocbaseBinary(folder.path(), kAnswers);
  EXPECT_EQ(third.exit_status, 0) << third.out;
  EXPECT_NE(third.out.find(kDone), std::string::npos);
}

}  // namespace
}  // namespace docbase::e2e
