#include "driver/run_lock.h"

#include <gtest/gtest.h>

#include "base/test_support.h"
#include "driver/scripted_console.h"
#include "workarea/file_names.h"
#include "workarea/wildcard.h"

namespace docbase {
namespace {

using testing::TempFolder;

TEST(RunLockTest, SecondTakerIsRefusedUntilTheFirstReleases) {
  TempFolder folder;
  const auto path = folder.path() / std::string(RunLockFile());
  RunLock first;
  ASSERT_TRUE(first.Acquire(path).ok());
  EXPECT_TRUE(first.held());
  EXPECT_TRUE(std::filesystem::exists(path));

  // flock locks belong to the open file, so a second open in the same
  // process is refused like a second run.
  RunLock second;
  ASSERT_TRUE(second.Acquire(path).ok());
  EXPECT_FALSE(second.held());
  second.Release();  // not held: must not remove the holder's file
  EXPECT_TRUE(std::filesystem::exists(path));

  first.Release();
  EXPECT_FALSE(first.held());
  EXPECT_FALSE(std::filesystem::exists(path));
  ASSERT_TRUE(second.Acquire(path).ok());
  EXPECT_TRUE(second.held());
}

TEST(RunLockTest, FileLeftByAKilledRunIsTakenOverAndRemoved) {
  TempFolder folder;
  const auto path = folder.path() / std::string(RunLockFile());
  testing::WriteFile(path, "");
  {
    RunLock lock;
    ASSERT_TRUE(lock.Acquire(path).ok());
    EXPECT_TRUE(lock.held());
  }  // the destructor releases
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(RunLockTest, LockFileThatCannotBeMadeIsAnIoErrorNamingIt) {
  TempFolder folder;
  const auto path = folder.path() / "missing_folder" / "lock";
  RunLock lock;
  Status status = lock.Acquire(path);
  ASSERT_TRUE(status.io_error());
  EXPECT_EQ(status.path(), path.string());
  EXPECT_FALSE(lock.held());
}

TEST(RunLockTest, NameMatchesNoPatternARunDeletesOrTestsFor) {
  // The clean-ups delete these patterns in the program directory; "*." is
  // the listing of the folder tests.
  for (const char* pattern : {"*.txt", "*.list", "*.htm*", "*."}) {
    EXPECT_FALSE(MatchesWildcard(RunLockFile(), pattern)) << pattern;
  }
}

TEST(RunLockTest, BusyMessageIsFramed) {
  ScriptedConsole console;
  ReportRunInProgress(console);
  EXPECT_EQ(console.output(),
            "\r\n"
            "============================================\r\n"
            "Another docbase run is working in this folder.\r\n"
            "Wait until it has ended, then start again.\r\n"
            "lock:   .docbase.lock\r\n"
            "============================================\r\n");
}

}  // namespace
}  // namespace docbase
