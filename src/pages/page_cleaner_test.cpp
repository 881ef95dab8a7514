#include "pages/page_cleaner.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace docbase {
namespace {

struct StringSink {
  void Write(std::string_view bytes) { text.append(bytes); }
  std::string text;
};

// The cleaned lines of one page, each with its CR LF.
std::string Clean(PageCleaner& cleaner,
                  std::initializer_list<std::string_view> lines) {
  StringSink sink;
  for (std::string_view line : lines) cleaner.CleanLine(line, sink);
  return sink.text;
}

std::string Clean(std::initializer_list<std::string_view> lines) {
  PageCleaner cleaner;
  return Clean(cleaner, lines);
}

TEST(PageCleanerTest, LeadingBlanksAreAnnouncedAndKept) {
  EXPECT_EQ(Clean({"    x"}), "<br>&nbsp;&nbsp;&nbsp;&nbsp;    x\r\n");
  EXPECT_EQ(Clean({"   abc   "}), "<br>&nbsp;&nbsp;&nbsp;   abc\r\n");
  EXPECT_EQ(Clean({"  <br>x"}), "<br>&nbsp;&nbsp;  <br>x\r\n");
}

TEST(PageCleanerTest, BrPrefixUnlessTheLineBeginsWithExactlyBr) {
  EXPECT_EQ(Clean({"<br>abc"}), "<br>abc\r\n");
  EXPECT_EQ(Clean({"<BR>abc"}), "<br><BR>abc\r\n");
  EXPECT_EQ(Clean({"<html>"}), "<br><html>\r\n");
  // The test comes before the control bytes go.
  EXPECT_EQ(Clean({"\t<br>x"}), "<br><br>x\r\n");
}

TEST(PageCleanerTest, EmptyAndBlankLinesBecomeBr) {
  EXPECT_EQ(Clean({"", "    ", "\t"}), "<br>\r\n<br>\r\n<br>\r\n");
}

TEST(PageCleanerTest, OnlyBytesBelowSixteenAreRemoved) {
  EXPECT_EQ(Clean({"a\tb"}), "<br>ab\r\n");
  std::string line("\x00\x01\x0f\x10\x1f z\xc3\xa9\xff\x7f", 11);
  EXPECT_EQ(Clean({line}), std::string("<br>\x10\x1f z\xc3\xa9\xff\x7f\r\n"));
}

TEST(PageCleanerTest, PreLinesAreDropped) {
  EXPECT_EQ(Clean({"<pre>", "x", "</pre>", "  </pre>  ", "text <pre> more"}),
            "<br>x\r\n");
  // Not exactly "</pre>", and the tests are case-sensitive.
  EXPECT_EQ(Clean({"</pre> tail", "<PRE>", "</PRE>"}),
            "<br></pre> tail\r\n<br><PRE>\r\n<br></PRE>\r\n");
}

TEST(PageCleanerTest, TableRowsKeepTheirOwnForm) {
  EXPECT_EQ(Clean({"<table border=1>", "<tr><td>x</td></tr>", "</table>"}),
            "<table border=1>\r\n<tr><td>x</td></tr>\r\n<br></table>\r\n");
  // Inside a table tabs and leading blanks stay; trailing blanks go.
  EXPECT_EQ(Clean({"<TABLE WIDTH=5>", "  a\tb  ", "</TABLE>", "a\tb"}),
            "<TABLE WIDTH=5>\r\n  a\tb\r\n<br></TABLE>\r\n<br>ab\r\n");
}

TEST(PageCleanerTest, OnlyATableWithAttributesCounts) {
  EXPECT_EQ(Clean({"<table>", "a\tb"}), "<br><table>\r\n<br>ab\r\n");
  // Opened and closed on one line: the line ends outside the table.
  PageCleaner cleaner;
  EXPECT_EQ(Clean(cleaner, {"<table border=0></table>", "a\tb"}),
            "<br><table border=0></table>\r\n<br>ab\r\n");
  EXPECT_FALSE(cleaner.in_table());
}

TEST(PageCleanerTest, ANewPageStartsOutsideATable) {
  PageCleaner cleaner;
  EXPECT_EQ(Clean(cleaner, {"<table class=x>", "a\tb"}),
            "<table class=x>\r\na\tb\r\n");
  EXPECT_TRUE(cleaner.in_table());
  cleaner.StartPage();
  EXPECT_EQ(Clean(cleaner, {"a\tb"}), "<br>ab\r\n");
}

}  // namespace
}  // namespace docbase
