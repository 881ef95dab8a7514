#include "driver/usage_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/test_support.h"
#include "driver/option_table.h"

namespace docbase {
namespace {

TEST(UsageTextTest, CmdUsersSeeTheirQuotesFoldersAndLineEnds) {
  const std::string usage = UsageText(kCmdShellTerms);
  EXPECT_EQ(usage.find("''"), std::string::npos);
  EXPECT_NE(usage.find("(\"\" for none)"), std::string::npos);
  EXPECT_EQ(usage.find("txt_in/"), std::string::npos);
  EXPECT_EQ(usage.find("htm_out/"), std::string::npos);
  EXPECT_NE(usage.find("open htm_out\\index.htm"), std::string::npos);
  EXPECT_NE(usage.find("docbase -C C:\\mybase --yes"), std::string::npos);
  EXPECT_EQ(usage.find("printf"), std::string::npos);
  EXPECT_EQ(testing::CountOf(usage, "\n"), testing::CountOf(usage, "\r\n"));
  EXPECT_TRUE(usage.ends_with("and exit\r\n"));
}

TEST(UsageTextTest, PosixUsersSeeTheirShellsWords) {
  const std::string usage = UsageText(kPosixShellTerms);
  EXPECT_NE(usage.find("('' for none)"), std::string::npos);
  EXPECT_NE(usage.find("open htm_out/index.htm"), std::string::npos);
  EXPECT_NE(usage.find("docbase -C ~/mybase --yes"), std::string::npos);
  EXPECT_NE(usage.find("printf '1\\n1\\n1\\n1\\nwww.example.org\\n' | docbase"),
            std::string::npos);
  EXPECT_EQ(usage.find('\r'), std::string::npos);
}

TEST(UsageTextTest, EveryOptionHasALineOfItsOwn) {
  const std::string usage = UsageText(kPosixShellTerms);
  for (const OptionRow& row : OptionRows()) {
    const std::string start = row.short_name.empty()
                                  ? "\n  " + std::string(row.long_name)
                                  : "\n  " + std::string(row.short_name) +
                                        ", " + std::string(row.long_name);
    EXPECT_NE(usage.find(start), std::string::npos) << row.long_name;
  }
  // A help line that is too long for its names goes below them.
  EXPECT_NE(usage.find("\n  --layout classic|modern\n" + std::string(23, ' ') +
                       "classic (default)"),
            std::string::npos);
  EXPECT_NE(usage.find("\n  -j, --jobs N         threads to use"),
            std::string::npos);
}

TEST(UsageTextTest, NoPlaceholderIsLeftInTheNativeTexts) {
  for (const std::string& text : {UsageText(), VersionText()}) {
    EXPECT_EQ(text.find('{'), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with(NativeShellTerms().line_end));
  }
}

TEST(UsageTextTest, VersionLinesEndAsThePlatformsDo) {
  const std::string version = VersionText(kCmdShellTerms);
  EXPECT_EQ(testing::CountOf(version, "\r\n"), 4u);
  EXPECT_EQ(testing::CountOf(version, "\n"), 4u);
  EXPECT_EQ(VersionText(kPosixShellTerms).find('\r'), std::string::npos);
}

}  // namespace
}  // namespace docbase
