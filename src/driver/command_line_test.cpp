#include "driver/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/test_support.h"

namespace docbase {
namespace {

using Action = CommandLine::Action;

TEST(CommandLineParseTest, NoArgumentsRunAndAskEverything) {
  CommandLine line = ParseCommandLine({});
  EXPECT_EQ(line.error, "");
  EXPECT_EQ(line.action, Action::kRun);
  EXPECT_TRUE(line.directories.empty());
  EXPECT_FALSE(line.yes);
  EXPECT_FALSE(line.address.has_value());
}

TEST(CommandLineParseTest, ValuesSeparateInlineAndEmpty) {
  CommandLine line =
      ParseCommandLine({"-C", "a", "--directory=b c", "-Cd", "--directory",
                        "-x", "--yes", "--address", ""});
  EXPECT_EQ(line.error, "");
  // A value is taken as it is, even one that looks like an option.
  EXPECT_EQ(line.directories,
            (std::vector<std::string>{"a", "b c", "d", "-x"}));
  EXPECT_TRUE(line.yes);
  ASSERT_TRUE(line.address.has_value());
  EXPECT_EQ(*line.address, "");

  EXPECT_EQ(ParseCommandLine({"--address=a=b, c"}).address, "a=b, c");
  EXPECT_EQ(ParseCommandLine({"--address", "x", "--address", "y"}).address,
            "y");
  EXPECT_EQ(ParseCommandLine({}).jobs, 0);
  EXPECT_EQ(ParseCommandLine({"-j", "4"}).jobs, 4);
  EXPECT_EQ(ParseCommandLine({"-j1"}).jobs, 1);
  EXPECT_EQ(ParseCommandLine({"--jobs=12"}).jobs, 12);
  EXPECT_FALSE(ParseCommandLine({}).settings.layout.has_value());
  EXPECT_EQ(ParseCommandLine({"--layout", "modern"}).settings.layout,
            PageLayout::kModern);
  EXPECT_EQ(ParseCommandLine({"--layout=classic"}).settings.layout,
            PageLayout::kClassic);
}

TEST(CommandLineParseTest, RefusedArgumentsSayWhich) {
  EXPECT_EQ(ParseCommandLine({"--yes", "txt_in"}).error,
            "unknown argument 'txt_in'");
  EXPECT_EQ(ParseCommandLine({"--address"}).error,
            "option '--address' needs a value");
  EXPECT_EQ(ParseCommandLine({"-C"}).error, "option '-C' needs a value");
  EXPECT_EQ(ParseCommandLine({"--yes=no"}).error,
            "option '--yes' takes no value");
  EXPECT_EQ(ParseCommandLine({"--version=2"}).error,
            "option '--version' takes no value");
  EXPECT_EQ(ParseCommandLine({"-y"}).error, "unknown argument '-y'");
  EXPECT_EQ(ParseCommandLine({"--"}).error, "unknown argument '--'");
  for (const char* jobs : {"0", "x", "-1", "2000", ""}) {
    EXPECT_EQ(ParseCommandLine({"--jobs", jobs}).error,
              "option '-j' needs a number of threads from 1 to 1024")
        << jobs;
  }
}

TEST(CommandLineParseTest, HelpWinsButNotOverARefusedArgument) {
  EXPECT_EQ(ParseCommandLine({"--version", "-h"}).action, Action::kHelp);
  EXPECT_EQ(ParseCommandLine({"-C", "x", "--version"}).action,
            Action::kVersion);
  CommandLine refused = ParseCommandLine({"--help", "--bogus"});
  EXPECT_NE(refused.error, "");
}

TEST(CommandLineParseTest, EnterDirectoriesFollowsEachInTurnAndNamesAFailure) {
  testing::TempFolder folder;
  std::filesystem::create_directories(folder.path() / "a/b");
  testing::WriteFile(folder.path() / "a/file", "");
  std::filesystem::path before = std::filesystem::current_path();

  EXPECT_EQ(EnterDirectories({folder.path().string(), "a", "b"}), "");
  EXPECT_EQ(std::filesystem::current_path(),
            std::filesystem::canonical(folder.path() / "a/b"));

  std::string refused = EnterDirectories({"..", "file", "b"});
  // The reason is the system's own text.
  EXPECT_TRUE(refused.starts_with("cannot run in 'file': ")) << refused;
  EXPECT_GT(refused.size(), std::string("cannot run in 'file': ").size());
  EXPECT_TRUE(EnterDirectories({"missing"}).starts_with(
      "cannot run in 'missing': "));
  std::filesystem::current_path(before);
}

}  // namespace
}  // namespace docbase
