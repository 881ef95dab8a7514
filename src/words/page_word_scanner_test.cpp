#include "words/page_word_scanner.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace docbase {
namespace {

// Feeds `lines` to `scanner` and describes each line: "x" when dropped,
// otherwise its words as "[word@column ...]".
std::string Feed(PageWordScanner* scanner,
                 std::initializer_list<std::string_view> lines) {
  std::string text;
  std::vector<WordHit> hits;
  for (std::string_view line : lines) {
    if (!text.empty()) text += ' ';
    if (!scanner->ScanLine(line, &hits)) {
      text += 'x';
      continue;
    }
    text += '[';
    for (size_t i = 0; i < hits.size(); ++i) {
      if (i > 0) text += ' ';
      AppendWordText(line, hits[i], &text);
      text.append("@").append(std::to_string(hits[i].column));
    }
    text += ']';
  }
  return text;
}

std::string FeedPage(std::initializer_list<std::string_view> lines) {
  PageWordScanner scanner;
  scanner.BeginPage();
  return Feed(&scanner, lines);
}

TEST(PageWordScannerTest, TagContinuesOntoTheNextLine) {
  EXPECT_EQ(FeedPage({"<br>x <a", "  tail> more words"}),
            "[] [more@9 words@14]");

  PageWordScanner scanner;
  scanner.BeginPage();
  EXPECT_EQ(Feed(&scanner, {"<br>x <a", "no closing here", ""}), "[] x x");
  EXPECT_TRUE(scanner.in_continued_tag());
  EXPECT_EQ(Feed(&scanner, {">tail more words", "<br>after it"}),
            "[words@12] [after@5]");
  EXPECT_FALSE(scanner.in_continued_tag());
  EXPECT_EQ(scanner.line_number(), 5u);
}

TEST(PageWordScannerTest, LineThatOnlyOpensATagIsDropped) {
  PageWordScanner scanner;
  scanner.BeginPage();
  EXPECT_EQ(Feed(&scanner, {"<a href=x"}), "x");
  EXPECT_TRUE(scanner.in_continued_tag());
  EXPECT_EQ(Feed(&scanner, {"y\" title=z> words here"}), "[words@13 here@19]");
  // Only a line that begins with "<" is dropped that way.
  EXPECT_EQ(FeedPage({"some text <a href=x", "y> rest here"}),
            "[some@1 text@6] [rest@4 here@9]");
}

TEST(PageWordScannerTest, ScriptBlocksAreDropped) {
  EXPECT_EQ(FeedPage({"<script>", "var a = 1;", "</script>", "<br>text here"}),
            "x x x [text@5 here@10]");
  EXPECT_EQ(FeedPage({"<script>x</script>", "<br>after"}), "x [after@5]");
  // Letter case counts, and only the first "script" of the line.
  EXPECT_EQ(FeedPage({"<SCRIPT>", "var abc = 1;"}), "[] [var@1 abc@5]");
  EXPECT_EQ(FeedPage({"noscript <script>", "var abc = 1;"}),
            "[noscript@1] [var@1 abc@5]");
  // The block lasts until a line whose first "/script" follows a "<".
  EXPECT_EQ(
      FeedPage({"<script>", "a/script </script>", "</script>", "<br>text"}),
      "x x x [text@5]");
}

TEST(PageWordScannerTest, StyleBlocksOpenInAnyCase) {
  EXPECT_EQ(
      FeedPage({"<STYLE>", "p { color: red }", "</Style>", "<br>text here"}),
      "x x x [text@5 here@10]");
  // An inline style attribute never opens a block.
  EXPECT_EQ(FeedPage({"<div style=\"a\">words <style>", "<br>next"}),
            "[words@16] [next@5]");
}

TEST(PageWordScannerTest, GeneratedLinkLinesAreDropped) {
  EXPECT_EQ(FeedPage({"<br><a href=\"#2500\">two words</a>",
                      "<br><a href=\"#1999\">two words</a>",
                      "<br><a href=\"page_2500.htm\">two words</a>",
                      "<br>look_at: <a href=\"x.htm\">two words</a>"}),
            "x [two@21 words@25] [two@29 words@33] x");
}

TEST(PageWordScannerTest, BeginPageResetsEveryState) {
  PageWordScanner scanner;
  scanner.BeginPage();
  EXPECT_EQ(Feed(&scanner, {"<br>x <a", "<style>"}), "[] x");
  EXPECT_TRUE(scanner.in_continued_tag());
  scanner.BeginPage();
  EXPECT_FALSE(scanner.in_continued_tag());
  EXPECT_EQ(Feed(&scanner, {"  tail> more words"}),
            "[tail>@3 more@9 words@14]");
  EXPECT_EQ(scanner.line_number(), 1u);

  scanner.BeginPage();
  EXPECT_EQ(Feed(&scanner, {"<script>"}), "x");
  scanner.BeginPage();
  EXPECT_EQ(Feed(&scanner, {"var abc = 1;"}), "[var@1 abc@5]");
}

}  // namespace
}  // namespace docbase
