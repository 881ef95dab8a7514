#include "driver/prompts.h"

#include <gtest/gtest.h>

#include "driver/scripted_console.h"

namespace docbase {
namespace {

constexpr char kMenu[] = "<1> continue\r\n<2> end\r\n";

TEST(TwoChoiceMenuTest, IgnoresOtherKeysAndPrintsItsLinesOnce) {
  ScriptedConsole console("3\nx\n\x1b[A\n1\nrest");
  EXPECT_TRUE(TwoChoiceMenu(console, "<1> continue", "<2> end", "/tmp").ok());
  EXPECT_EQ(console.output(), kMenu);
  // The escape sequence arrives as three keys through a pipe; none acts.
  EXPECT_EQ(console.unread(), 4u);
}

TEST(TwoChoiceMenuTest, TwoOrEndOfInputEndsTheRun) {
  ScriptedConsole two("2\n");
  EXPECT_TRUE(
      TwoChoiceMenu(two, "<1> continue", "<2> end", "/tmp").run_ended());
  ScriptedConsole closed("");
  EXPECT_TRUE(
      TwoChoiceMenu(closed, "<1> continue", "<2> end", "/tmp").run_ended());
}

TEST(TwoChoiceMenuTest, AutoAnswerNeedsBothMarkersInAnyCase) {
  EXPECT_TRUE(AutoAnswerApplies("/home/BRAMVALE/kestrow_docs"));
  EXPECT_TRUE(AutoAnswerApplies("/x/Kestrow_a/bramVale"));
  EXPECT_FALSE(AutoAnswerApplies("/home/bramvale/docs"));
  EXPECT_FALSE(AutoAnswerApplies("/home/kestrow_/docs"));
  EXPECT_FALSE(AutoAnswerApplies("/home/bramvale/kestrow"));

  ScriptedConsole console("2\n");
  EXPECT_TRUE(TwoChoiceMenu(console, "<1> yes, continue", "<2> no, end",
                            "/t/BRAMVALE/kestrow_x")
                  .ok());
  EXPECT_EQ(console.key_reads(), 0);
  EXPECT_EQ(console.output(), "<1> yes, continue\r\n<2> no, end\r\n");
}

TEST(ExitPromptsTest, OneKeyExitWaitsForOneOnly) {
  ScriptedConsole console("2\na\n1\nz");
  EXPECT_TRUE(OneKeyExit(console).run_ended());
  EXPECT_EQ(console.output(), "<1> = continue and end\r\n");
  EXPECT_EQ(console.unread(), 1u);
  ScriptedConsole closed("");
  EXPECT_TRUE(OneKeyExit(closed).run_ended());
}

TEST(ExitPromptsTest, AnyKeyExitTakesOneKeyOrTheEnd) {
  ScriptedConsole console("q");
  EXPECT_TRUE(AnyKeyExit(console).run_ended());
  EXPECT_TRUE(AnyKeyExit(console).run_ended());  // end of input: ends too
  EXPECT_EQ(console.output(),
            "<...> any key to continue and end\r\n"
            "<...> any key to continue and end\r\n");
}

TEST(PipedInputTest, KeyTakesOneLineEndAndLineReadStopsAtLf) {
  ScriptedConsole console("1\r\n\r\nwww.example.org\r\nnext\n");
  EXPECT_TRUE(console.ReadKey().Is('1'));
  // The key took "\r\n"; the next line is the empty one.
  EXPECT_EQ(console.ReadLine(), "");
  EXPECT_EQ(console.ReadLine(), "www.example.org");
  EXPECT_EQ(console.ReadLine(), "next");
  EXPECT_EQ(console.ReadLine(), std::nullopt);
  EXPECT_TRUE(console.ReadKey().end_of_input());
}

}  // namespace
}  // namespace docbase
