// The stylesheet and the script that a modern run writes are the bytes of
// src/html/modern/docbase.css and docbase.js, as the build embedded them:
// no byte lost, added or turned into another line end on the way.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/test_support.h"
#include "html/modern/assets.h"
#include "workarea/work_area.h"

namespace docbase::e2e {
namespace {

using docbase::testing::ReadFile;
using docbase::testing::TempFolder;
namespace fs = std::filesystem;

TEST(ModernAssetsTest, WritesTheSourceFilesByteForByte) {
  TempFolder folder;
  fs::create_directory(folder.path() / "htm_out");
  ASSERT_TRUE(WriteModernAssets(WorkArea(folder.path())).ok());
  const fs::path sources = fs::path(DOCBASE_SOURCE_DIR) / "src/html/modern";
  EXPECT_EQ(ReadFile(folder.path() / "htm_out/docbase.css"),
            ReadFile(sources / "docbase.css"));
  EXPECT_EQ(ReadFile(folder.path() / "htm_out/docbase.js"),
            ReadFile(sources / "docbase.js"));
}

}  // namespace
}  // namespace docbase::e2e
