#include "driver/preset_console.h"

#include <gtest/gtest.h>

#include "driver/prompts.h"
#include "driver/run_state.h"
#include "driver/scripted_console.h"
#include "driver/target_site.h"

namespace docbase {
namespace {

// A scripted console that behaves like a terminal, whose Enter ends the
// typed line on screen.
class EchoingConsole : public ScriptedConsole {
 public:
  using ScriptedConsole::ScriptedConsole;
  bool EchoesLineEnd() const override { return true; }
};

TEST(PresetConsoleTest, YesAnswersEveryKeyReadWithOne) {
  ScriptedConsole inner("2\n2\n");
  PresetConsole console(inner, /*yes=*/true, std::nullopt);
  EXPECT_TRUE(TwoChoiceMenu(console, "<1> continue", "<2> end", "/tmp").ok());
  EXPECT_TRUE(AnyKeyExit(console).run_ended());
  EXPECT_TRUE(OneKeyExit(console).run_ended());
  EXPECT_EQ(inner.key_reads(), 0);
  EXPECT_EQ(inner.output(),
            "<1> continue\r\n<2> end\r\n"
            "<...> any key to continue and end\r\n<1> = continue and end\r\n");
  EXPECT_EQ(console.column(), 0u);
  // The typed line still comes from the console.
  EXPECT_EQ(console.ReadLine(), "2");
}

TEST(PresetConsoleTest, WithoutYesKeysComeFromTheConsole) {
  ScriptedConsole inner("2\n");
  PresetConsole console(inner, /*yes=*/false, "www.example.org");
  EXPECT_TRUE(
      TwoChoiceMenu(console, "<1> continue", "<2> end", "/tmp").run_ended());
  EXPECT_EQ(inner.key_reads(), 1);
}

// The destination prompt gives the same screen and address whether the
// answer is preset or typed through a pipe.
TEST(PresetConsoleTest, PresetAddressIsReadAsAPipedLine) {
  for (std::string answer : {"www.example.org", "  \"quoted, kept\" rest",
                             "a,b", "", "x\r\ny", "line\nnext"}) {
    ScriptedConsole piped(answer + "\n");
    RunState piped_state;
    AskTargetAddress(piped_state, piped);

    EchoingConsole terminal("never read\n");
    PresetConsole console(terminal, /*yes=*/true, answer);
    RunState state;
    AskTargetAddress(state, console);
    EXPECT_EQ(state.settings.target_address,
              piped_state.settings.target_address)
        << answer;
    EXPECT_EQ(terminal.output(), piped.output()) << answer;
    EXPECT_EQ(terminal.unread(), 11u);
    // The one typed line is used up.
    EXPECT_EQ(console.ReadLine(), std::nullopt);
  }
}

TEST(PresetConsoleTest, TypedLineEndEchoIsTheConsolesWithoutAnAddress) {
  EchoingConsole terminal("typed\n");
  PresetConsole console(terminal, /*yes=*/true, std::nullopt);
  EXPECT_TRUE(console.EchoesLineEnd());
  EXPECT_EQ(console.ReadLine(), "typed");
}

}  // namespace
}  // namespace docbase
