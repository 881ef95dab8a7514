#include "words/line_scanner.h"

#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "words/line_filters.h"

namespace docbase {
namespace {

// The words of one line, which begins inside a tag when `continued`.
std::vector<WordHit> Hits(std::string_view line, bool continued = false) {
  std::vector<Tag> tags;
  BuildTagMap(line, &continued, &tags);
  std::vector<WordHit> hits;
  ScanWords(line, tags, FirstLinkPosition(ToLowerAscii(line)), &hits);
  return hits;
}

// The words of one line as "word@column/scan position".
std::string Scan(std::string_view line, bool continued = false) {
  std::string text;
  for (const WordHit& hit : Hits(line, continued)) {
    if (!text.empty()) text += ' ';
    AppendWordText(line, hit, &text);
    text.append("@").append(std::to_string(hit.column));
    text.append("/").append(std::to_string(hit.scan_position));
  }
  return text;
}

TEST(LineScannerTest, WordsBetweenBlanksAndTags) {
  EXPECT_EQ(Scan("<br>Hello world"), "Hello@5/10 world@11/15");
  EXPECT_EQ(Scan("<br>one two<b>three</b> four"),
            "one@5/8 two@9/12 three@15/20 four@25/28");
  EXPECT_EQ(Scan("plain words only here"),
            "plain@1/6 words@7/12 only@13/17 here@18/21");
  EXPECT_EQ(Scan("<br>word "), "word@5/9");
  EXPECT_EQ(Scan("<br>"), "");
  EXPECT_EQ(Scan(""), "");
}

TEST(LineScannerTest, ShortWordsAndEmptyCandidatesAreDropped) {
  EXPECT_EQ(Scan("<br>&nbsp;&nbsp;   an apple"),
            "&nbsp;&nbsp;@5/17 apple@23/27");
  // Two letters of two bytes each make a word of four bytes; "an" is two.
  EXPECT_EQ(Scan("<br>\xD0\xB0\xD1\x8F an"), "\xD0\xB0\xD1\x8F@5/9");
}

TEST(LineScannerTest, QuotesAtTheEndsAreRemovedInnerOnesBecomeApostrophes) {
  EXPECT_EQ(Scan("<br>He said \"yes\" and \"no\"."),
            "said@8/12 yes@14/18 and@19/22 no'.@24/27");
  EXPECT_EQ(Scan("\"\"\" \"ab\" a\"b\"c\" \"x\"yz"), "a'b'c@10/16 x'yz@18/21");
}

TEST(LineScannerTest, TagStartWithNothingBeforeItTakesNothing) {
  EXPECT_EQ(Scan("Hello<br> world"), "world@11/15");
  EXPECT_EQ(Scan("Hello<br>"), "");
}

TEST(LineScannerTest, LineWithoutDelimitersIsOneWord) {
  EXPECT_EQ(Scan("whole-line,no;blanks"), "whole-line,no;blanks@1/20");
  std::string long_line(5'000'000, 'x');
  std::vector<WordHit> hits = Hits(long_line);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].size, long_line.size());
  EXPECT_EQ(hits[0].column, 1u);
}

TEST(LineScannerTest, OneWordLinkTextEndsTheLine) {
  EXPECT_EQ(Scan("<br>see <a href=\"x.htm\">here</a> and more"), "see@5/8");
  EXPECT_EQ(Scan("<br>see <A HREF=\"x.htm\">here</A> and more"), "see@5/8");
  // Even an empty candidate between the link tag and the next tag ends it.
  EXPECT_EQ(Scan("<a href=x><b>bold</b> more words"), "");
  // A link after the tags does not end the word before it.
  EXPECT_EQ(Scan("<b>bold</b> <a href=\"x.htm\">link</a> tail"), "bold@4/8");
}

TEST(LineScannerTest, LinkTextOfTwoWordsIsTaken) {
  EXPECT_EQ(Scan("<br>see <a href=\"x.htm\">over here</a> more"),
            "see@5/8 over@25/29 here@30/34 more@39/42");
}

TEST(LineScannerTest, OneByteTags) {
  // A continued line starting with ">" leaves only the word after the last
  // blank.
  EXPECT_EQ(Scan(">tail more words", /*continued=*/true), "words@12/16");
  EXPECT_EQ(Scan("  tail> more words", /*continued=*/true),
            "more@9/13 words@14/18");
  // A lone "<" at the end takes the word before it only when a blank lies
  // between.
  EXPECT_EQ(Scan("one two <"), "one@1/4 two@5/8");
  EXPECT_EQ(Scan("one two<"), "one@1/4");
}

TEST(LineScannerTest, LinearOnLongLines) {
  std::string blanks;
  for (int i = 0; i < 1'000'000; ++i) blanks += "ab ";
  EXPECT_TRUE(Hits(blanks).empty());

  std::string brackets = "one two " + std::string(100'000, '<');
  EXPECT_EQ(Scan(brackets), "one@1/4 two@5/8");
  std::string tagged;
  for (int i = 0; i < 100'000; ++i) tagged += "<i>w</i>";
  EXPECT_EQ(Scan(tagged + " last"), "last@800002/800005");
}

TEST(LineScannerTest, FinishWordMovesTheColumnPastAnOpeningQuote) {
  std::vector<WordHit> hits;
  FinishWord("\"abc\"", 7, 12, &hits);
  FinishWord("\"ab\"", 1, 5, &hits);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].size, 3u);
  EXPECT_EQ(hits[0].column, 8u);
  EXPECT_EQ(hits[0].scan_position, 12u);
}

}  // namespace
}  // namespace docbase
