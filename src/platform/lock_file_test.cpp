// The contract of LockFile on every platform: one holder at a time, the
// file gone when the holder lets go.
#include "platform/lock_file.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/test_folder.h"

namespace docbase {
namespace {

using LockFileTest = platform_test::FolderTest;

TEST_F(LockFileTest, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
  LockFile first("the test lock");
  LockFile second("the test lock");
  ASSERT_TRUE(first.Take(At("run.lock")).ok());
  EXPECT_TRUE(first.held());
  Status busy = second.Take(At("run.lock"));
  EXPECT_TRUE(busy.busy()) << busy.ToString();
  EXPECT_FALSE(second.held());

  first.Release();
  EXPECT_EQ(KindOfEntry(At("run.lock")), EntryKind::kMissing);
  ASSERT_TRUE(second.Take(At("run.lock")).ok());
  EXPECT_TRUE(second.held());
}

TEST_F(LockFileTest, AFileThatCannotBeMadeNamesThePath) {
  LockFile lock("the test lock");
  Status status = lock.Take(At("no_folder/run.lock"));
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.busy());
  EXPECT_EQ(status.reason().rfind("cannot create the test lock: ", 0), 0u)
      << status.reason();
}

}  // namespace
}  // namespace docbase
