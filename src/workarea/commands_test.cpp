#include "workarea/commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "base/text.h"
#include "platform/path.h"
#include "workarea/wildcard.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace fs = std::filesystem;

TEST(WildcardTest, CaseInsensitiveWithThePlatformSpecials) {
  EXPECT_TRUE(MatchesWildcard("A.TXT", "*.txt"));
  EXPECT_TRUE(MatchesWildcard("x.html", "*.htm*"));
  EXPECT_TRUE(MatchesWildcard("x.htm", "*.htm*"));
  EXPECT_FALSE(MatchesWildcard("x.txt.bak", "*.txt"));
  EXPECT_TRUE(MatchesWildcard("anything", "*.*"));
  EXPECT_TRUE(MatchesWildcard("htm_in", "*."));
  EXPECT_FALSE(MatchesWildcard("a.b", "*."));
  EXPECT_TRUE(MatchesWildcard("check_01.txt", "check_*.txt"));
  EXPECT_FALSE(MatchesWildcard("check_01.txt", "page_*.htm"));
  EXPECT_FALSE(
      MatchesWildcard(std::string(200, 'a'), "*a*a*a*a*a*a*a*a*a*a*a*a*b"));
}

class CommandsTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  WorkArea area_{folder_.path()};
};

TEST_F(CommandsTest, ListingIsSortedAndNamesItsOwnFile) {
  WriteFile(area_.Path("b.txt"), "");
  WriteFile(area_.Path("A.TXT"), "");
  WriteFile(area_.Path("c.htm"), "");
  fs::create_directory(area_.Path("sub.txt"));
  ASSERT_TRUE(ListNames(area_, "*.txt", "list.txt").ok());
  EXPECT_EQ(ReadFile(area_.Path("list.txt")),
            "A.TXT\r\nb.txt\r\nlist.txt\r\nsub.txt\r\n");
  ASSERT_TRUE(ListNames(area_, "missing/*.*", "none.list").ok());
  EXPECT_EQ(ReadFile(area_.Path("none.list")), "");
}

TEST_F(CommandsTest, HostileNamesAreOnlyNames) {
  const std::string hostile = "a b;&|$(touch x)'\"-\xff.txt";
  if (!testing::SystemTakesNames(area_.root(), {hostile})) {
    GTEST_SKIP() << "names this system cannot hold";
  }
  WriteFile(area_.Path(hostile), "data");
  fs::create_directory(area_.Path("dst"));
  ASSERT_EQ(MatchingNames(area_, "*.txt"), std::vector<std::string>{hostile});
  ASSERT_TRUE(CopyFile(area_, hostile, "dst").ok());
  EXPECT_EQ(ReadFile(area_.Path("dst/" + hostile)), "data");
  DeleteFiles(area_, "dst/*.*");
  EXPECT_TRUE(fs::is_empty(area_.Path("dst")));
  EXPECT_FALSE(fs::exists(area_.Path("x")));
}

TEST_F(CommandsTest, CopyReplacesAndMissingSourceIsSilent) {
  WriteFile(area_.Path("a.txt"), "new");
  WriteFile(area_.Path("b.txt"), "old");
  ASSERT_TRUE(CopyFile(area_, "a.txt", "b.txt").ok());
  EXPECT_EQ(ReadFile(area_.Path("b.txt")), "new");
  EXPECT_TRUE(CopyFile(area_, "nothing.txt", "c.txt").ok());
  EXPECT_FALSE(fs::exists(area_.Path("c.txt")));
  EXPECT_TRUE(CopyFile(area_, "a.txt", "no_folder/a.txt").io_error());
  // A copy onto itself is refused before the target is emptied.
  EXPECT_TRUE(CopyFile(area_, "a.txt", "./a.txt").io_error());
  EXPECT_EQ(ReadFile(area_.Path("a.txt")), "new");
}

TEST_F(CommandsTest, FoldersAndPresenceTest) {
  MakeFolder(area_, "old_htm_in");
  WriteFile(area_.Path("old_htm_in/f.txt"), "");
  bool present = false;
  ASSERT_TRUE(FolderPresent(area_, "htm_in", "dir_01.txt", &present).ok());
  EXPECT_TRUE(present);               // a substring is enough
  RemoveFolder(area_, "old_htm_in");  // not empty: stays
  EXPECT_TRUE(fs::exists(area_.Path("old_htm_in")));
  ASSERT_TRUE(FolderPresent(area_, "txt_wrk", "dir_01.txt", &present).ok());
  EXPECT_FALSE(present);
  EXPECT_EQ(ReadFile(area_.Path("dir_01.txt")), "old_htm_in\r\n");
}

TEST_F(CommandsTest, ListTreeGivesAbsolutePathsFolderFirst) {
  MakeFolder(area_, "w");
  MakeFolder(area_, "w/sub");
  WriteFile(area_.Path("w/z.txt"), "");
  WriteFile(area_.Path("w/sub/a.txt"), "");
  ASSERT_TRUE(ListTree(area_, "w", "tree.txt").ok());
  const fs::path root = fs::absolute(area_.Path("w")).lexically_normal();
  auto line = [&](const char* name) {
    return NativePathText(root / PathFromUtf8(name)) + "\r\n";
  };
  EXPECT_EQ(ReadFile(area_.Path("tree.txt")),
            line("sub") + line("z.txt") + line("sub/a.txt"));
}

TEST_F(CommandsTest, PlatformSortIgnoresCaseAndIsStable) {
  WriteFile(area_.Path("in.txt"), "b\nB\na\nA\n_x\n");
  ASSERT_TRUE(PlatformSort(area_, "in.txt", "out.txt").ok());
  // '_' (95) sorts after the lower-cased letters' digits but before 'a' (97).
  EXPECT_EQ(ReadFile(area_.Path("out.txt")), "_x\r\na\r\nA\r\nb\r\nB\r\n");

  // Short inputs are sorted by insertion, which keeps equal lines in order
  // anyway; a thousand lines of three words in many spellings are not.
  const std::string words[] = {"qrstuvwx", "abcdefgh", "ijklmnop"};
  std::vector<std::string> lines;
  std::string input;
  for (int i = 0; i < 1000; ++i) {
    std::string line = words[(i * 7) % 3];
    for (int bit = 0; bit < 8; ++bit) {
      if ((i >> bit) & 1) line[bit] = static_cast<char>(line[bit] - 32);
    }
    lines.push_back(line);
    input += line + "\n";
  }
  std::string expected;
  for (const char* word : {"abcdefgh", "ijklmnop", "qrstuvwx"}) {
    for (const std::string& line : lines) {
      if (ToLowerAscii(line) == word) expected += line + "\r\n";
    }
  }
  WriteFile(area_.Path("many.txt"), input);
  ASSERT_TRUE(PlatformSort(area_, "many.txt", "out.txt").ok());
  EXPECT_TRUE(ReadFile(area_.Path("out.txt")) == expected)
      << "equal lines changed their order";
}

TEST_F(CommandsTest, CountAndSearchMatchTheIdFieldOnly) {
  WriteFile(
      area_.Path("w.txt"),
      "\"page_02.htm\",\"1\",\"1\",\"id00000005\",\"id00000001\",\"1\"\r\n"
      "\"page_02.htm\",\"2\",\"1\",\"word\",\"id00000005\",\"1\"\r\n"
      "\"page_03.htm\",\"3\",\"1\",\"more\",\"id00000005\",\"2\"\r\n");
  ASSERT_TRUE(CountWordIdLines(area_, "id00000005", "w.txt", "c.txt").ok());
  EXPECT_EQ(ReadFile(area_.Path("c.txt")), "---------- w.txt: 2\r\n");
  ASSERT_TRUE(SearchWordIdLines(area_, "id00000001", "w.txt", "s.txt").ok());
  EXPECT_EQ(
      ReadFile(area_.Path("s.txt")),
      "\"page_02.htm\",\"1\",\"1\",\"id00000005\",\"id00000001\",\"1\"\r\n");
}

}  // namespace
}  // namespace docbase
