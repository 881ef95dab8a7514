// The contract of the file system calls on every platform: links are
// removed as links and what they point to stays; folders, listings and
// names of any text the system takes.
#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/path.h"
#include "platform/test_folder.h"

namespace docbase {
namespace {

using FileSystemTest = platform_test::FolderTest;

TEST_F(FileSystemTest, AFileLinkIsRemovedAsALink) {
  Put(At("target.txt"), "kept");
  std::string why = MakeLink(At("target.txt"), At("link.txt"), false);
  if (!why.empty()) GTEST_SKIP() << why;
  EXPECT_TRUE(IsLink(At("link.txt")));
  EXPECT_TRUE(IsFile(At("link.txt")));              // through the link
  EXPECT_FALSE(RemoveLink(At("target.txt")).ok());  // not a link: stays
  ASSERT_TRUE(RemoveFileName(At("link.txt")).ok());
  EXPECT_EQ(KindOfEntry(At("link.txt")), EntryKind::kMissing);
  EXPECT_EQ(Get(At("target.txt")), "kept");
}

TEST_F(FileSystemTest, AFolderLinkIsRemovedAsALinkAndNeverEmptied) {
  ASSERT_TRUE(MakeFolder(At("target")).ok());
  Put(At("target/inside.txt"), "kept");
  std::string why = MakeLink(At("target"), At("link"), true);
  if (!why.empty()) GTEST_SKIP() << why;
  EXPECT_TRUE(IsFolder(At("link")));  // through the link
  EXPECT_EQ(KindOfEntry(At("link")), EntryKind::kLink);
  EXPECT_FALSE(RemoveEmptyFolder(At("link")).ok());
  ASSERT_TRUE(RemoveFileName(At("link")).ok());
  EXPECT_EQ(KindOfEntry(At("link")), EntryKind::kMissing);
  EXPECT_EQ(Get(At("target/inside.txt")), "kept");

  ASSERT_EQ(MakeLink(At("target"), At("link2"), true), "");
  ASSERT_TRUE(RemoveLink(At("link2")).ok());
  EXPECT_EQ(Get(At("target/inside.txt")), "kept");
}

TEST_F(FileSystemTest, ACopyNeverWritesThroughALinkAtTheTarget) {
  Put(At("source.txt"), "new");
  Put(At("elsewhere.txt"), "kept");
  std::string why = MakeLink(At("elsewhere.txt"), At("copy.txt"), false);
  if (!why.empty()) GTEST_SKIP() << why;
  ASSERT_TRUE(CopyFileReplacing(At("source.txt"), At("copy.txt")).ok());
  EXPECT_EQ(KindOfEntry(At("copy.txt")), EntryKind::kFile);
  EXPECT_EQ(Get(At("copy.txt")), "new");
  EXPECT_EQ(Get(At("elsewhere.txt")), "kept");
}

TEST_F(FileSystemTest, FoldersAreMadeListedAndRemovedOnlyWhenEmpty) {
  ASSERT_TRUE(MakeFolder(At("sub")).ok());
  EXPECT_FALSE(MakeFolder(At("sub")).ok());  // taken
  EXPECT_TRUE(MakeFolder(At("missing/sub")).not_found());
  Put(At("sub/a.txt"), "a");
  EXPECT_FALSE(RemoveEmptyFolder(At("sub")).ok());
  EXPECT_EQ(KindOfEntry(At("sub")), EntryKind::kFolder);
  EXPECT_EQ(KindOfEntry(At("sub/a.txt")), EntryKind::kFile);
  EXPECT_FALSE(RemoveFileName(At("sub")).ok());  // a folder is no file name

  std::vector<std::string> names;
  ASSERT_TRUE(ListFolder(folder_, &names).ok());
  EXPECT_EQ(names, std::vector<std::string>{"sub"});
  EXPECT_TRUE(ListFolder(At("nothing"), &names).not_found());

  ASSERT_TRUE(RenameReplacing(At("sub/a.txt"), At("b.txt")).ok());
  ASSERT_TRUE(RemoveEmptyFolder(At("sub")).ok());
  EXPECT_EQ(KindOfEntry(At("sub")), EntryKind::kMissing);
  EXPECT_TRUE(RemoveFileName(At("sub")).not_found());
}

TEST_F(FileSystemTest, NamesWithBlanksAndAccentsComeBackAsTheyWent) {
  const std::string names[] = {"two words .txt",
                               "\xC3\xA9t\xC3\xA9 \xC3\xA0 Z\xC3\xBCrich.txt",
                               "\xE6\x97\xA5\xE6\x9C\xAC.txt"};
  for (const std::string& name : names) Put(folder_ / PathFromUtf8(name), name);
  std::vector<std::string> listed;
  ASSERT_TRUE(ListFolder(folder_, &listed).ok());
  std::sort(listed.begin(), listed.end());
  std::vector<std::string> expected(std::begin(names), std::end(names));
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(listed, expected);
  for (const std::string& name : names) {
    EXPECT_EQ(Get(folder_ / PathFromUtf8(name)), name);
    EXPECT_TRUE(RemoveFileName(folder_ / PathFromUtf8(name)).ok());
  }
}

TEST_F(FileSystemTest, TheLongestNameIsTakenAndOneMoreIsRefused) {
  // 255 characters is the longest name of ext4, NTFS and the others the
  // program meets (bytes on POSIX, UTF-16 units on Windows).
  const std::string longest(255, 'n');
  File file;
  Status made =
      file.Open(folder_ / PathFromUtf8(longest), File::Mode::kCreateNew);
  ASSERT_TRUE(made.ok()) << made.ToString();
  ASSERT_TRUE(file.Close().ok());
  std::vector<std::string> listed;
  ASSERT_TRUE(ListFolder(folder_, &listed).ok());
  EXPECT_EQ(listed, std::vector<std::string>{longest});

  const std::string too_long(256, 'n');
  Status refused =
      file.Open(folder_ / PathFromUtf8(too_long), File::Mode::kCreateNew);
  EXPECT_FALSE(refused.ok());
  EXPECT_EQ(refused.path(), Utf8FromPath(folder_ / PathFromUtf8(too_long)));
  EXPECT_FALSE(refused.reason().empty());
}

}  // namespace
}  // namespace docbase
