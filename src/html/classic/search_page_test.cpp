#include "html/classic/search_page.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"
#include "html/page_test_fixture.h"

namespace docbase {
namespace {

constexpr std::string_view kTitle =
    "search.htm, content (only words) from input *.htm files";
constexpr std::string_view kClosing = "</body> <br>\r\n</html> <br>\r\n";

std::string ExpectedScript(bool find_word) {
  return std::string(
             "<script language=\"javascript\">\r\n"
             "if (history.length > 0)\r\n"
             "{\r\n"
             "document.writeln(\"<style type=\\\"text/css\\\">\");\r\n"
             "document.writeln(self.location.hash + \" { color: red } \");"
             "\r\n"
             "document.writeln(self.location.hash + \" { font-size: 140% } "
             "\");\r\n"
             "document.writeln(self.location.hash + \" { font-weight: bold "
             "} \");\r\n") +
         (find_word ? "document.writeln(self.location.hash + \" { display: "
                      "inline } \");\r\n"
                    : "") +
         "document.writeln(\"</style>\");\r\n"
         "}\r\n"
         "</script>\r\n";
}

class SearchPageTest : public GeneratedPageTest {
 protected:
  std::string WritePage(int64_t group,
                        std::vector<OccurrenceRecord> records = {}) {
    VectorSource<OccurrenceRecord> source(std::move(records));
    EXPECT_TRUE(WriteSearchPage(area_, state_, random_, group, source).ok());
    return Read("s_" + std::to_string(group) + ".htm");
  }
};

TEST_F(SearchPageTest, EmptyGroupHasHeadScriptAndClosing) {
  state_.display.find_word = 0;
  EXPECT_EQ(WritePage(2), ExpectedPageHead(kTitle) + ExpectedScript(false) +
                              std::string(kClosing));
}

TEST_F(SearchPageTest, PageWithOneWordLine) {
  const std::vector<OccurrenceRecord> records = {
      LineOccurrence("page_2.htm", 3, "Hello", "id00000005", "00000001"),
      LineOccurrence("page_2.htm", 3, "World", "id00000009", "00000002")};
  EXPECT_EQ(
      WritePage(1, records),
      ExpectedPageHead(kTitle) + ExpectedScript(true) +
          " <span id=\"id00000005_00000001\"><a href=\"i_1.htm#id00000005\">"
          "Hello</a></span> <span id=\"id00000009_00000002\"><a "
          "href=\"i_1.htm#id00000009\">World</a></span><br>\r\n"
          "<a href=\"i_1.htm#id00000005\">i_1</a>\r\n"
          "&nbsp <a href=\"index.htm#id00000005\">index</a>\r\n"
          "&nbsp <a href=\"files_list.htm#page_2.htm\"> Content "
          "(page_2.htm)</a>\r\n"
          "&nbsp <a href=\"http://www.google.com/search?q=Hello World  "
          "site:www.example.org\"> www.example.org</a>\r\n"
          "&nbsp <a href=\"http://www.google.com/search?q=Hello World  "
          "site:www.example.com\"> www.example.com</a>\r\n"
          "&nbsp <a href=\"http://www.google.com/search?q=Hello World \"> "
          "web_search </a>\r\n"
          "<br><br>\r\n" +
          std::string(kClosing));
}

// The first line keeps the continued form; each block names the first word
// of the line after the first and the page of the record that starts the
// next line; a line field repeated on the next page continues the line.
TEST_F(SearchPageTest, LinesBlocksAndRawQueriesWithoutTargetAddress) {
  state_.target_address.clear();
  const std::vector<OccurrenceRecord> records = {
      LineOccurrence("page_1.htm", 1, "Ab&c", "id00000001", "00000001"),
      LineOccurrence("page_1.htm", 1, "caf\xc3\xa9", "id00000002", "00000001"),
      LineOccurrence("page_1.htm", 2, "  pad ", "id00000003", "00000002"),
      LineOccurrence("page_2.htm", 2, "next", "id00000004", "00000001"),
      LineOccurrence("page_2.htm", 5, "last", "id00000005", "00000001")};
  auto block = [](std::string_view first_id, std::string_view page,
                  std::string_view phrase) {
    std::string id(first_id);
    std::string p(page);
    std::string q(phrase);
    return "<a href=\"i_1.htm#" + id + "\">i_1</a>\r\n" +
           "&nbsp <a href=\"index.htm#" + id + "\">index</a>\r\n" +
           "&nbsp <a href=\"files_list.htm#" + p + "\"> Content (" + p +
           ")</a>\r\n" + "&nbsp <a href=\"http://www.google.com/search?q=" + q +
           " site:www.example.com\"> www.example.com</a>\r\n" +
           "&nbsp <a href=\"http://www.google.com/search?q=" + q +
           "\"> web_search </a>\r\n" + "<br><br>\r\n";
  };
  EXPECT_EQ(
      WritePage(1, records),
      ExpectedPageHead(kTitle) + ExpectedScript(true) +
          " <span id=\"id00000001_00000001\"><a href=\"i_1.htm#id00000001\">"
          "Ab&c</a></span> <span id=\"id00000002_00000001\"><a "
          "href=\"i_1.htm#id00000002\">caf\xc3\xa9</a></span><br>\r\n" +
          block("id00000003", "page_1.htm", "Ab&c caf\xc3\xa9 ") +
          "<span id=\"id00000003_00000002\">  pad  &nbsp </span>&nbsp <a "
          "href=\"i_1.htm#id00000003\">  pad </a></span> <span "
          "id=\"id00000004_00000001\"><a href=\"i_1.htm#id00000004\">next"
          "</a></span><br>\r\n" +
          block("id00000003", "page_2.htm", "pad next ") +
          "<span id=\"id00000005_00000001\">last &nbsp </span>&nbsp <a "
          "href=\"i_1.htm#id00000005\">last</a></span><br>\r\n" +
          block("id00000005", "page_2.htm", "last ") + std::string(kClosing));
}

TEST_F(SearchPageTest, LineHoldingAClosingHtmlTagIsLeftOut) {
  const std::vector<OccurrenceRecord> records = {
      LineOccurrence("page_1.htm", 1, "</HTML>", "id00000001", "00000001"),
      LineOccurrence("page_1.htm", 2, "b", "id00000002", "00000001")};
  std::string page = WritePage(1, records);
  EXPECT_EQ(page.find("</HTML></a></span>"), std::string::npos);
  // Its link block is written all the same, with its words as the phrase.
  EXPECT_NE(page.find(ExpectedScript(true) +
                      "<a href=\"i_1.htm#id00000002\">i_1</a>\r\n"),
            std::string::npos);
  EXPECT_NE(page.find("?q=</HTML> \"> web_search"), std::string::npos);
}

// Only the words can hold the tag: words that would complete it with the
// markup around them ("</", "html>", "l>") leave their line in, a tag in a
// word of any record of the line leaves it out.
TEST_F(SearchPageTest, ClosingHtmlTagIsLookedForInTheRecordData) {
  struct Case {
    std::string_view word;
    bool left_out;
  };
  for (const Case& c :
       {Case{"</", false}, Case{"html>", false}, Case{"l>", false},
        Case{"</htm", false}, Case{"x</hTmL>y", true}}) {
    // The case's record continues the first line, after a plain word.
    const std::vector<OccurrenceRecord> records = {
        LineOccurrence("page_1.htm", 1, "first", "id00000009", "00000001"),
        LineOccurrence("page_1.htm", 1, c.word, "id00000001", "00000001"),
        LineOccurrence("page_1.htm", 2, "b", "id00000002", "00000001")};
    const std::string page = WritePage(1, records);
    const bool written =
        page.find("<a href=\"i_1.htm#id00000009\">first</a></span>") !=
        std::string::npos;
    EXPECT_EQ(written, !c.left_out) << c.word;
  }
}

// Line 1 holds 28 words, line 2 holds 29: only the second is drawn, with
// the first 28 draws of the run's generator (see search_phrase_test.cpp).
TEST_F(SearchPageTest, TwentyEightWordsAllTwentyNineDrawn) {
  std::vector<OccurrenceRecord> records;
  for (int line = 1; line <= 2; ++line) {
    for (int i = 1; i <= 27 + line; ++i) {
      char word[16];
      std::snprintf(word, sizeof word, "w%02d", i);
      records.push_back(LineOccurrence("page_1.htm", line, Keep(word),
                                   Keep(std::string(WordIdText(i).view())),
                                   Keep(ZeroPadded(line, 8))));
    }
  }
  std::string page = WritePage(1, records);

  std::string all_words;
  for (int i = 1; i <= 28; ++i) {
    all_words += (i < 10 ? "w0" : "w") + std::to_string(i) + " ";
  }
  EXPECT_NE(page.find("?q=" + all_words + "\"> web_search </a>\r\n"),
            std::string::npos);
  const std::string drawn =
      " w26 w13 w02 w28 w04 w10 w06 w23 w08 w12 w16 w17 w21 w15 w07 w25 "
      "w20 w27";
  EXPECT_NE(page.find("?q=" + drawn +
                      " site:www.example.org\"> www.example.org</a>\r\n"),
            std::string::npos);
  EXPECT_NE(page.find("?q=" + drawn + "\"> web_search </a>\r\n<br><br>\r\n" +
                      std::string(kClosing)),
            std::string::npos);
}

}  // namespace
}  // namespace docbase
