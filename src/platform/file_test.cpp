// The contract of File on every platform: exclusive creation, reads and
// writes at an offset, and failures that name the path and the system's
// reason.
#include "platform/file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/path.h"
#include "platform/test_folder.h"

namespace docbase {
namespace {

using FileTest = platform_test::FolderTest;

TEST_F(FileTest, CreateNewRefusesATakenNameAndALink) {
  Put(At("taken.txt"), "kept");
  File file;
  Status status = file.Open(At("taken.txt"), File::Mode::kCreateNew);
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(status.path(), Utf8FromPath(At("taken.txt")));
  EXPECT_EQ(Get(At("taken.txt")), "kept");

  std::string why = MakeLink(At("taken.txt"), At("link.txt"), false);
  if (!why.empty()) GTEST_SKIP() << why;
  EXPECT_FALSE(file.Open(At("link.txt"), File::Mode::kCreateNew).ok());
  // A link to nothing is refused too: nothing is made through it.
  std::string dangling = MakeLink(At("nothing.txt"), At("dangling.txt"), false);
  ASSERT_EQ(dangling, "");
  EXPECT_FALSE(file.Open(At("dangling.txt"), File::Mode::kCreateNew).ok());
  EXPECT_EQ(KindOfEntry(At("nothing.txt")), EntryKind::kMissing);
  EXPECT_EQ(Get(At("taken.txt")), "kept");
}

TEST_F(FileTest, ReadsAndWritesAtAnOffset) {
  File file;
  ASSERT_TRUE(file.Open(At("data.bin"), File::Mode::kCreateNew).ok());
  ASSERT_TRUE(file.WriteAt(0, "abcdefgh", 8).ok());
  ASSERT_TRUE(file.WriteAt(3, "XY", 2).ok());
  // Past the end: the gap reads as zero bytes.
  ASSERT_TRUE(file.WriteAt(10, "Z", 1).ok());
  uint64_t size = 0;
  ASSERT_TRUE(file.Size(&size).ok());
  EXPECT_EQ(size, 11u);

  char bytes[16] = {};
  size_t got = 0;
  ASSERT_TRUE(file.ReadAt(2, bytes, 4, &got).ok());
  EXPECT_EQ(std::string(bytes, got), "cXYf");
  ASSERT_TRUE(file.ReadAt(8, bytes, sizeof bytes, &got).ok());
  EXPECT_EQ(std::string(bytes, got),
            std::string("\0\0Z", 3));  // short at the end
  ASSERT_TRUE(file.ReadAt(40, bytes, sizeof bytes, &got).ok());
  EXPECT_EQ(got, 0u);

  ASSERT_TRUE(file.Truncate().ok());
  ASSERT_TRUE(file.Size(&size).ok());
  EXPECT_EQ(size, 0u);
  EXPECT_TRUE(file.Close().ok());

  // Reads from the current place go on where the last one ended.
  Put(At("data.bin"), "abcdef");
  ASSERT_TRUE(file.Open(At("data.bin"), File::Mode::kRead).ok());
  ASSERT_TRUE(file.Read(bytes, 4, &got).ok());
  EXPECT_EQ(std::string(bytes, got), "abcd");
  ASSERT_TRUE(file.Read(bytes, sizeof bytes, &got).ok());
  EXPECT_EQ(std::string(bytes, got), "ef");
  ASSERT_TRUE(file.Read(bytes, sizeof bytes, &got).ok());
  EXPECT_EQ(got, 0u);
}

TEST_F(FileTest, AMissingFileIsNotFoundAndNamed) {
  File file;
  Status status = file.Open(At("no_folder/missing.txt"), File::Mode::kRead);
  EXPECT_TRUE(status.not_found());
  EXPECT_EQ(status.path(), Utf8FromPath(At("no_folder/missing.txt")));
  EXPECT_FALSE(status.reason().empty());
}

TEST_F(FileTest, AWriteToAFullDeviceNamesThePathAndTheReason) {
  File file;
  if (KindOfEntry("/dev/full") == EntryKind::kMissing ||
      !file.Open("/dev/full", File::Mode::kWriteAppend).ok()) {
    GTEST_SKIP() << "this system has no /dev/full";
  }
  Status status = file.Write("x", 1).WithAction("cannot write");
  EXPECT_TRUE(status.io_error());
  EXPECT_EQ(status.path(), "/dev/full");
  // "cannot write: " and the system's text for a full disk.
  EXPECT_EQ(status.reason().rfind("cannot write: ", 0), 0u) << status.reason();
  EXPECT_GT(status.reason().size(), 20u) << status.reason();
}

TEST_F(FileTest, AWriteToAReadOnlyFileNamesThePathAndTheReason) {
  Put(At("read_only.txt"), "kept");
  std::filesystem::permissions(At("read_only.txt"),
                               std::filesystem::perms::owner_read |
                                   std::filesystem::perms::group_read |
                                   std::filesystem::perms::others_read);
  File file;
  Status status = file.Open(At("read_only.txt"), File::Mode::kWriteAppend);
  (void)file.Close();
  std::filesystem::permissions(At("read_only.txt"),
                               std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  if (status.ok()) {
    GTEST_SKIP() << "this user may write to a read-only file here (root)";
  }
  EXPECT_TRUE(status.io_error());
  EXPECT_FALSE(status.not_found());
  EXPECT_EQ(status.path(), Utf8FromPath(At("read_only.txt")));
  EXPECT_FALSE(status.reason().empty());
  EXPECT_EQ(Get(At("read_only.txt")), "kept");
}

}  // namespace
}  // namespace docbase
