#include "driver/target_site.h"

#include <gtest/gtest.h>

#include "driver/scripted_console.h"
#include "driver/start_up_screens.h"

namespace docbase {
namespace {

TEST(TargetSiteTest, DerivesFromTheThreePrefixes) {
  EXPECT_EQ(DeriveTargetSite("www.Example.COM.bas"), "www.example.com");
  EXPECT_EQ(DeriveTargetSite("http.example.com.bas"), "http://example.com");
  EXPECT_EQ(DeriveTargetSite("https.example.com.bas"), "https://example.com");
  // "www." is tested first and stripped through its last occurrence.
  EXPECT_EQ(DeriveTargetSite("http.www.a.www.b.org.bas"), "www.b.org");
  EXPECT_EQ(DeriveTargetSite("https.x.https.y.net.bas"), "https://y.net");
  EXPECT_EQ(DeriveTargetSite("example.com.bas"), std::nullopt);
  EXPECT_EQ(DeriveTargetSite("www"), std::nullopt);
}

TEST(TargetSiteTest, RenamingAdviceWaitsForOneAndEndsTheRun) {
  RunState state;
  state.settings.program_name_setting = "docbase.bas";
  ScriptedConsole console("x\n1\n");
  EXPECT_TRUE(SetTargetSite(state, console).run_ended());
  EXPECT_NE(console.output().find(
                "new program name begins with www...(like www.example.com.exe)"
                ", http...(like http.example.com.exe), or https...(like "
                "https.example.com.exe)\r\n"),
            std::string::npos);
  EXPECT_TRUE(console.output().ends_with(
      "----------------------------\r\n\r\n<1> = continue and end\r\n"));
  EXPECT_EQ(console.unread(), 0u);
}

TEST(TargetSiteTest, ProgramNameShownWithExe) {
  EXPECT_EQ(ShownProgramName("www.Example.com.bas"), "www.Example.com.exe");
}

TEST(DestinationPromptTest, FirstFieldRules) {
  EXPECT_EQ(FirstInputField("  www.a.org, www.b.org"), "www.a.org");
  EXPECT_EQ(FirstInputField("\t\"a, b\" tail"), "a, b");
  EXPECT_EQ(FirstInputField("www.a.org \t "), "www.a.org");
  EXPECT_EQ(FirstInputField(""), "");
  EXPECT_EQ(FirstInputField(std::string(5000, 'w')), std::string(4096, 'w'));
}

TEST(DestinationPromptTest, PromptReadsOneLineAndEndsIt) {
  RunState state;
  ScriptedConsole console("Www.Example.ORG\nrest\n");
  AskTargetAddress(state, console);
  EXPECT_EQ(state.settings.target_address, "Www.Example.ORG");
  EXPECT_TRUE(console.output().ends_with(
      "\r\nweb address for destination search (example: www.example.org) = "
      "? \r\n"));
  ScriptedConsole empty("\n");
  AskTargetAddress(state, empty);
  EXPECT_EQ(state.settings.target_address, "");
  ScriptedConsole closed("");
  AskTargetAddress(state, closed);
  EXPECT_EQ(state.settings.target_address, "");
}

}  // namespace
}  // namespace docbase
