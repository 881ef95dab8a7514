// The options that only print (--help, -h, --version) and every refused
// command line or option value end the program before any folder is
// touched, since a run cleans its folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::TempFolder;
using docbase::testing::WriteFile;

class CommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"notes.txt", "a.list", "page.htm", "x.html"}) {
      WriteFile(folder_.path() / name, "keep me");
    }
    before_ = EntryNames(folder_.path());
  }

  ProgramOutcome Run(std::vector<std::string> arguments) {
    return RunProgram(DOCBASE_BINARY, arguments, folder_.path(), "1\n1\n1\n");
  }

  TempFolder folder_;
  std::vector<std::string> before_;
};

TEST_F(CommandLineTest, HelpAndVersionPrintAndTouchNothing) {
  for (const char* help_option : {"--help", "-h"}) {
    ProgramOutcome help = Run({"--yes", help_option, "--version"});
    EXPECT_EQ(help.exit_status, 0);
    EXPECT_TRUE(help.out.starts_with("usage: docbase")) << help_option;
    EXPECT_NE(help.out.find("deletes every *.txt"), std::string::npos);
    for (const char* option :
         {"--address ADDR", "--site SITE", "--info-address ADDR",
          "--search-host HOST", "--group-size N"}) {
      EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
  }

  // The settings a run is given do not change the built-in ones shown.
  ProgramOutcome version =
      Run({"--site", "www.mysite.org", "--search-host", "www.bing.com",
           "--info-address", "www.mysite.org/about", "--version"});
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_EQ(version.out,
            "docbase 0.1.0\n"
            "program name:        www.example.com.bas\n"
            "information address: www.example.com/info\n"
            "search host:         www.google.com\n");
  EXPECT_EQ(EntryNames(folder_.path()), before_);
}

TEST_F(CommandLineTest, RefusedArgumentsEndWithStatusTwo) {
  for (std::vector<std::string> arguments :
       {std::vector<std::string>{"--bogus"},
        {"txt_in"},
        {"--help", "-y"},
        {"--yes", "--address"},
        {"--yes=1"},
        {"-C"}}) {
    ProgramOutcome outcome = Run(arguments);
    EXPECT_EQ(outcome.exit_status, 2) << arguments[0];
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(outcome.err.find("usage: docbase") != std::string::npos);
  }
  EXPECT_EQ(EntryNames(folder_.path()), before_);
  EXPECT_EQ(docbase::testing::ReadFile(folder_.path() / "notes.txt"),
            "keep me");
}

// A value its option refuses is named in one line, without the usage.
TEST_F(CommandLineTest, RefusedValuesEndWithOneLine) {
  for (std::vector<std::string> arguments :
       {std::vector<std::string>{"--site", "example.com"},
        {"--site", ""},
        {"--site=ftp.example.com"},
        {"--group-size", "1"},
        {"--group-size", "0"},
        {"--group-size", "-3"},
        {"--group-size", "three"},
        {"--group-size=4x"},
        {"--group-size", ""},
        {"--group-size", "99999999999999999999"},
        {"--layout", "Modern"},
        {"--layout="}}) {
    arguments.insert(arguments.begin(), "--yes");
    ProgramOutcome outcome = Run(arguments);
    EXPECT_EQ(outcome.exit_status, 2) << arguments[1];
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(outcome.err.starts_with("docbase: --")) << outcome.err;
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
  }
  EXPECT_EQ(EntryNames(folder_.path()), before_);
}

}  // namespace
}  // namespace docbase::e2e
