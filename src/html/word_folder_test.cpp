#include "html/word_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/test_support.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace fs = std::filesystem;

class WordFolderTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  WorkArea area_{folder_.path()};
};

TEST_F(WordFolderTest, MadeWithOneEntryPerGroup) {
  ASSERT_TRUE(PrepareWordFolder(area_, 2).ok());
  EXPECT_TRUE(fs::exists(area_.Path("wrd_24/wrd_24_1.txt")));
  EXPECT_TRUE(fs::exists(area_.Path("wrd_24/wrd_24_2.txt")));
  EXPECT_FALSE(fs::exists(area_.Path("wrd_24/wrd_24_3.txt")));
  EXPECT_TRUE(fs::exists(area_.Path("dir_01.txt")));
}

TEST_F(WordFolderTest, AnOldFolderIsEmptiedOfTextFilesFirst) {
  fs::create_directory(area_.Path("wrd_24"));
  WriteFile(area_.Path("wrd_24/wrd_24_9.txt"), "stale");
  WriteFile(area_.Path("wrd_24/keep.htm"), "other");
  ASSERT_TRUE(PrepareWordFolder(area_, 1).ok());
  EXPECT_FALSE(fs::exists(area_.Path("wrd_24/wrd_24_9.txt")));
  EXPECT_FALSE(fs::exists(area_.Path("wrd_24/f_01.txt")));
  EXPECT_TRUE(fs::exists(area_.Path("wrd_24/keep.htm")));
  EXPECT_EQ(ReadFile(area_.Path("wrd_24/wrd_24_1.txt")), "");
}

// The folder test is a substring search: another folder whose name holds
// wrd_24 passes it, so no folder is made and the copies have nowhere to
// go. That must not stop the run.
TEST_F(WordFolderTest, AFolderNamedLikeItIsNotAFailure) {
  fs::create_directory(area_.Path("old_wrd_24"));
  ASSERT_TRUE(PrepareWordFolder(area_, 1).ok());
  EXPECT_FALSE(fs::exists(area_.Path("wrd_24")));
  EXPECT_TRUE(fs::is_empty(area_.Path("old_wrd_24")));
}

}  // namespace
}  // namespace docbase
