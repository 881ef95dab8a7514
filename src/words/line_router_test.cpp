#include "words/line_router.h"

#include <gtest/gtest.h>

#include "common/test_support.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

TEST(LineRouterTest, EachFileHoldsItsLinesInOrderAcrossManyFlushes) {
  TempFolder folder;
  WorkArea area(folder.path());
  WriteFile(area.Path("b.txt"), "stale\r\n");
  WriteFile(area.Path("c.txt"), "stale\r\n");
  // A limit of a few bytes flushes after almost every line, so files are
  // created by their first flush and appended to by the later ones (no
  // target keeps its file open).
  LineRouter router(area, {"a.txt", "b.txt", "c.txt"}, 8, 0);
  std::string expected_a, expected_b;
  for (int i = 0; i < 50; ++i) {
    std::string line = "line " + std::to_string(i);
    ASSERT_TRUE(router.Add(i % 3 == 0 ? 0 : 1, line).ok());
    (i % 3 == 0 ? expected_a : expected_b) += line + "\r\n";
  }
  ASSERT_TRUE(router.AddRecord(0, {"x", "", "y,z"}).ok());
  expected_a += "\"x\",\"\",\"y,z\"\r\n";
  ASSERT_TRUE(router.Finish().ok());
  EXPECT_EQ(ReadFile(area.Path("a.txt")), expected_a);
  EXPECT_EQ(ReadFile(area.Path("b.txt")), expected_b);
  // A target without lines is still created (emptied).
  EXPECT_EQ(ReadFile(area.Path("c.txt")), "");
}

TEST(LineRouterTest, FewTargetsKeepTheirFilesOpen) {
  TempFolder folder;
  WorkArea area(folder.path());
  WriteFile(area.Path("b.txt"), "stale\r\n");
  WriteFile(area.Path("c.txt"), "stale\r\n");
  LineRouter router(area, {"a.txt", "b.txt", "c.txt"});
  ASSERT_TRUE(router.Add(1, "one").ok());
  ASSERT_TRUE(router.AddPieces(0, {"t", "w", "o"}).ok());
  ASSERT_TRUE(router.AddRecord(1, {"x", ""}).ok());
  // Written through as they come: the file is open, its line buffered.
  EXPECT_EQ(ReadFile(area.Path("a.txt")), "");
  ASSERT_TRUE(router.Finish().ok());
  EXPECT_EQ(ReadFile(area.Path("a.txt")), "two\r\n");
  EXPECT_EQ(ReadFile(area.Path("b.txt")), "one\r\n\"x\",\"\"\r\n");
  EXPECT_EQ(ReadFile(area.Path("c.txt")), "");
}

TEST(LineRouterTest, UnwritableTargetIsAnIoError) {
  TempFolder folder;
  WorkArea area(folder.path());
  for (size_t open_targets : {0, 8}) {
    LineRouter router(area, {"missing_folder/a.txt"},
                      LineRouter::kDefaultMemoryLimit, open_targets);
    Status status = router.Add(0, "x");
    if (status.ok()) status = router.Finish();
    EXPECT_TRUE(status.io_error());
    EXPECT_NE(status.path().find("missing_folder/a.txt"), std::string::npos);
  }
}

}  // namespace
}  // namespace docbase
