#include "driver/shell_text.h"

#include <gtest/gtest.h>

namespace docbase {
namespace {

TEST(ShellTextTest, FillsThePlaceholdersInTheTermsOfEachShell) {
  const std::string_view text =
      "txt_in{/}a.txt ({''} for none) -C {folder}\nnext\n";
  EXPECT_EQ(InShellTerms(text, kPosixShellTerms),
            "txt_in/a.txt ('' for none) -C ~/mybase\nnext\n");
  EXPECT_EQ(InShellTerms(text, kCmdShellTerms),
            "txt_in\\a.txt (\"\" for none) -C C:\\mybase\r\nnext\r\n");
}

TEST(ShellTextTest, PipedAnswersEndTheirLinesAsThePlatformDoes) {
  const std::string piped = InShellTerms("{piped answers}", kCmdShellTerms);
  EXPECT_NE(piped.find("type ..\\answers.txt | docbase\r\n"),
            std::string::npos);
  EXPECT_EQ(piped.find("\n"), piped.find("\r\n") + 1) << "no bare LF";
}

TEST(ShellTextTest, BracesThatNameNoPlaceholderStay) {
  EXPECT_EQ(InShellTerms("{x} {/ {''", kCmdShellTerms), "{x} {/ {''");
}

TEST(ShellTextTest, MessageLineKeepsItsTextAsItIs) {
  EXPECT_EQ(MessageLine("a{/}b.txt: not UTF-8", kCmdShellTerms),
            "docbase: a{/}b.txt: not UTF-8\r\n");
  EXPECT_EQ(MessageLine("x\ny", kPosixShellTerms), "docbase: x\ny\n");
}

}  // namespace
}  // namespace docbase
