#include "driver/large_page_hint.h"

#include <gtest/gtest.h>

#include "base/test_support.h"

namespace docbase {
namespace {

TEST(LargePageHintTest, NamesTheLargestPageOverTheLimitOnly) {
  testing::TempFolder dir;
  const std::filesystem::path folder = dir.path() / "htm_out";
  std::filesystem::create_directory(folder);
  testing::WriteFile(folder / "index.htm", "small");
  EXPECT_EQ(LargePageHint(folder), "");

  testing::WriteFile(folder / "s_1.htm", "");
  std::filesystem::resize_file(folder / "s_1.htm", kLargePageBytes);
  EXPECT_EQ(LargePageHint(folder), "") << "exactly the limit is no hint";

  testing::WriteFile(folder / "i_1.htm", "");
  std::filesystem::resize_file(folder / "i_1.htm", 30ull << 20);
  std::filesystem::resize_file(folder / "s_1.htm", kLargePageBytes + 1);
  const std::string hint = LargePageHint(folder, kPosixShellTerms);
  EXPECT_EQ(hint.rfind("docbase: htm_out/i_1.htm is 30 MB (1 more page over "
                       "20 MB): ", 0),
            0u)
      << hint;
  EXPECT_NE(hint.find("--layout modern"), std::string::npos);
  EXPECT_EQ(hint.back(), '\n');
  EXPECT_EQ(hint.find('\n'), hint.size() - 1) << "one line";

  const std::string in_cmd = LargePageHint(folder, kCmdShellTerms);
  EXPECT_EQ(in_cmd.rfind("docbase: htm_out\\i_1.htm is 30 MB", 0), 0u)
      << in_cmd;
  EXPECT_EQ(in_cmd.find('\n'), in_cmd.size() - 1);
  EXPECT_TRUE(in_cmd.ends_with("\r\n"));
}

}  // namespace
}  // namespace docbase
