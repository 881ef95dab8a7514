#include "html/classic/annotated_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "html/page_test_fixture.h"
#include "pages/input_pages_for_test.h"

namespace docbase {
namespace {

// Lines joined, each ended by CR LF.
std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

// One occurrence; last_on_page is filled in by Rewrite.
OccurrenceRecord Occurrence(std::string_view page, uint64_t line,
                            uint64_t column, std::string_view word,
                            std::string_view id, std::string_view k,
                            std::string_view next) {
  OccurrenceRecord record;
  record.page = page;
  record.line = line;
  record.column = column;
  record.word = word;
  record.id = id;
  record.k_text = k;
  record.k = std::stoull(std::string(k));
  record.next = next;
  return record;
}

std::string Span(std::string_view page, std::string_view id,
                 std::string_view word) {
  return "<span id=\"" + std::string(id) +
         "\" type = \"text/javascript\"ondblclick = \"window.open('" +
         std::string(page) + "#" + std::string(id) +
         "'); window.event.cancelbubble = true;\">" + std::string(word) +
         "</span>";
}

const std::string kScriptHead = Lines({
    "<script language=\"javascript\">",
    "if (history.length > 0)",
    "{",
    "document.writeln(\"<style type=\\\"text/css\\\">\");",
    "document.writeln(self.location.hash + \" { color: red } \");",
    "document.writeln(self.location.hash + \" { font-size: 140% } \");",
    "document.writeln(self.location.hash + \" { font-weight: bold } \");",
});
const std::string kScriptInline = Lines(
    {"document.writeln(self.location.hash + \" { display: inline } \");"});
const std::string kScriptTail = Lines({
    "document.writeln(\"</style>\");",
    "}",
    "</script>",
});
const std::string kScript = kScriptHead + kScriptInline + kScriptTail;
const std::string kScriptWithoutInline = kScriptHead + kScriptTail;

class AnnotatedPagesTest : public GeneratedPageTest {
 protected:
  void WritePageList(std::initializer_list<std::string> pages) {
    pages_ = pages;
  }
  // Input page `bytes` for page `name`; the page itself is its cleaned form.
  void WriteInputPage(const std::string& name, std::string_view bytes) {
    origins_[name] = testing::InputPage(area_, name, bytes).origin;
  }
  // Rewrites group `group` from `records`, each given the highest
  // occurrence number of its word among the records of its page.
  void Rewrite(int group, std::vector<OccurrenceRecord> records) {
    for (OccurrenceRecord& record : records) {
      record.origin = &origins_[std::string(record.page)];
      for (const OccurrenceRecord& other : records) {
        if (other.page == record.page && other.id == record.id) {
          record.last_on_page = std::max(record.last_on_page, other.k);
        }
      }
    }
    VectorSource<OccurrenceRecord> source(std::move(records));
    Status status = RewritePages(area_, state_.display, PageNeighbours(pages_),
                                 group, source, NextLinkEnd::kTrailingBlank);
    ASSERT_TRUE(status.ok()) << status.ToString();
  }

  std::vector<std::string> pages_;
  std::map<std::string, PageOrigin> origins_;
};

// Words right after the line's "<br>" and at the end of a line, two
// occurrences of one word on a page (link on, then the empty link), next
// pages present and absent, and a page in the middle of the list (both
// neighbours). Pages without records are not written.
TEST_F(AnnotatedPagesTest, RewritesWordLinesWithSpansAndNavigation) {
  WritePageList({"page_01.htm", "page_02.htm", "page_03.htm"});
  WriteInputPage("page_01.htm", Lines({"<body>", "other", "</body>"}));
  WriteInputPage("page_02.htm", Lines({"<html>", "<body>", "Hello world",
                                       "x hello", "</body>", "</html>"}));
  Rewrite(1,
          {
              Occurrence("page_02.htm", 3, 5, "Hello", "id00000000", "1",
                         "page_03.htm"),
              Occurrence("page_02.htm", 3, 11, "world", "id00000005", "1", ""),
              Occurrence("page_02.htm", 4, 7, "hello", "id00000000", "2",
                         "page_03.htm"),
          });

  const std::string bar = Lines({
      "<br>",
      "<a href=\"page_01.htm\"> Before </a> ",
      "<a href=\"page_03.htm\"> Next </a> ",
      "<a href=\"files_list.htm\"> Content </a><br>",
  });
  const std::string expected =
      Lines({"<br><html>"}) + kScript + bar +
      Lines({
          "<br><body>",
          "<br>",
          Span("page_02.htm", "id00000000", "Hello"),
          "<span hidden id=\"id00000000\">",
          "(1)(<a href=\"#id00000000_2\">&gt;</a>,",
          "<a href=\"i_1.htm#id00000000\">i</a>,",
          "<a href=\"s_1.htm#id00000000_1\">s</a>,",
          "<a href=\"files_list.htm\">c</a>,",
          "<a href=\"page_03.htm#id00000000\">&gt;&gt;)</a></span>",
          "<span id=\"id00000000_1\"></span>",
          " ",
          Span("page_02.htm", "id00000005", "world"),
          "<span hidden id=\"id00000005\">",
          "(1)(<a href=\"#id00000005_1\"></a>",
          "<a href=\"i_1.htm#id00000005\">i</a>,",
          "<a href=\"s_1.htm#id00000005_1\">s</a>,",
          "<a href=\"files_list.htm\">c)</a></span>",
          "<span id=\"id00000005_1\"></span>",
          "",
          "<br>x ",
          Span("page_02.htm", "id00000000", "hello"),
          "<span hidden id=\"id00000000\">",
          "(2)(<a href=\"#id00000000_2\"></a>",
          "<a href=\"i_1.htm#id00000000\">i</a>,",
          "<a href=\"s_1.htm#id00000000_2\">s</a>,",
          "<a href=\"files_list.htm\">c</a>,",
          "<a href=\"page_03.htm#id00000000\">&gt;&gt;)</a></span>",
          "<span id=\"id00000000_2\"></span>",
          "",
      }) +
      bar + Lines({"<br></body>", "<br></html>"});
  EXPECT_EQ(Read("page_02.htm"), expected);
  EXPECT_FALSE(std::filesystem::exists(area_.Path("page_01.htm")));
  EXPECT_FALSE(std::filesystem::exists(area_.Path("page_03.htm")));
}

// The first listed page (no Before) is left for the next page on the same
// line number: it gets the rest of its own line and its bottom bar with the
// Next link closed without a blank; the last listed page (no Next) starts
// from its own first line and ends the group. Find-word off: 10-line
// script, no navigation spans or anchors. Letter case of the tags is
// ignored.
TEST_F(AnnotatedPagesTest, PageSwitchOnTheSameLineNumberWithFindWordOff) {
  state_.display.find_word = 0;
  WritePageList({"page_01.htm", "page_02.htm"});
  WriteInputPage("page_01.htm",
                 Lines({"<body>", "<br>an alpha tail", "</body>"}));
  WriteInputPage("page_02.htm", Lines({"<BODY bgcolor=\"white\">", "alpha",
                                       "</BODY>", "end"}));
  Rewrite(1,
          {
              Occurrence("page_01.htm", 2, 8, "alpha", "id00000000", "1",
                         "page_02.htm"),
              Occurrence("page_02.htm", 2, 5, "alpha", "id00000000", "2", ""),
          });

  EXPECT_EQ(
      Read("page_01.htm"),
      kScriptWithoutInline + Lines({
                                 "<br>",
                                 "<a href=\"page_02.htm\"> Next </a> ",
                                 "<a href=\"files_list.htm\"> Content </a><br>",
                                 "<br><body>",
                                 "<br>an ",
                                 Span("page_01.htm", "id00000000", "alpha"),
                                 " tail",
                                 "<br>",
                                 "<a href=\"page_02.htm\"> Next </a>",
                                 "<a href=\"files_list.htm\"> Content </a><br>",
                                 "<br></body>",
                             }));
  EXPECT_EQ(
      Read("page_02.htm"),
      kScriptWithoutInline + Lines({
                                 "<br>",
                                 "<a href=\"page_01.htm\"> Before </a> ",
                                 "<a href=\"files_list.htm\"> Content </a><br>",
                                 "<br><BODY bgcolor=\"white\">",
                                 "<br>",
                                 Span("page_02.htm", "id00000000", "alpha"),
                                 "",
                                 "<br>",
                                 "<a href=\"page_01.htm\"> Before </a> ",
                                 "<a href=\"files_list.htm\"> Content </a><br>",
                                 "<br></BODY>",
                                 "<br>end",
                             }));
}

// A group of one page: both bars hold only the contents link. The body tag
// shares its line with indexed words, so the script and the bar come before
// that line's first fragment. "Pages_list" gets no navigation span;
// "pages_list" does. A "</body>" on a word line is not looked at.
TEST_F(AnnotatedPagesTest, BodyOnAWordLineAndThePagesListExemption) {
  WritePageList({"page_01.htm"});
  WriteInputPage("page_01.htm",
                 Lines({"<body>Pages_list pages_list", "</body>", "</html>"}));
  Rewrite(
      1,
      {
          Occurrence("page_01.htm", 1, 11, "Pages_list", "id00000003", "1", ""),
          Occurrence("page_01.htm", 1, 22, "pages_list", "id00000003", "2", ""),
      });

  const std::string bar =
      Lines({"<br>", "<a href=\"files_list.htm\"> Content </a><br>"});
  EXPECT_EQ(Read("page_01.htm"),
            kScript + bar +
                Lines({
                    "<br><body>",
                    Span("page_01.htm", "id00000003", "Pages_list"),
                    " ",
                    Span("page_01.htm", "id00000003", "pages_list"),
                    "<span hidden id=\"id00000003\">",
                    "(2)(<a href=\"#id00000003_2\"></a>",
                    "<a href=\"i_1.htm#id00000003\">i</a>,",
                    "<a href=\"s_1.htm#id00000003_2\">s</a>,",
                    "<a href=\"files_list.htm\">c)</a></span>",
                    "<span id=\"id00000003_2\"></span>",
                    "",
                }) +
                bar + Lines({"<br></body>", "<br></html>"}));
}

// Without a body line before the words there is no script and no top bar;
// without a "</body>" after them, no bottom bar. The stored occurrence
// number is shown as stored, the link targets use its value. A group other
// than 1 names its own index and search pages.
TEST_F(AnnotatedPagesTest, PagesWithoutBodyTagsAndGroupNumberInLinks) {
  WritePageList({"page_01.htm", "page_02.htm"});
  WriteInputPage("page_02.htm", Lines({"<p>nobody</p>", "words here"}));
  Rewrite(12,
          {
              Occurrence("page_02.htm", 2, 5, "words", "id00000009", "7", ""),
          });
  EXPECT_EQ(Read("page_02.htm"), Lines({
                                     "<br><p>nobody</p>",
                                     "<br>",
                                     Span("page_02.htm", "id00000009", "words"),
                                     "<span hidden id=\"id00000009\">",
                                     "(7)(<a href=\"#id00000009_7\"></a>",
                                     "<a href=\"i_12.htm#id00000009\">i</a>,",
                                     "<a href=\"s_12.htm#id00000009_7\">s</a>,",
                                     "<a href=\"files_list.htm\">c)</a></span>",
                                     "<span id=\"id00000009_7\"></span>",
                                     " here",
                                 }));
}

// A record beyond the last line of its page (the word scan never makes
// one) reads an empty line there instead of running on.
TEST_F(AnnotatedPagesTest, RecordPastTheEndOfItsPage) {
  state_.display.find_word = 0;
  WritePageList({"page_01.htm"});
  WriteInputPage("page_01.htm", Lines({"text"}));
  Rewrite(1, {
                 Occurrence("page_01.htm", 1000000000, 1, "lost", "id00000000",
                            "1", ""),
             });
  EXPECT_EQ(Read("page_01.htm"),
            Lines({"<br>text", "", Span("page_01.htm", "id00000000", "lost"),
                   ""}));
}

TEST_F(AnnotatedPagesTest, EmptyGroupWritesNoPage) {
  WritePageList({"page_01.htm"});
  WriteInputPage("page_01.htm", Lines({"<body>", "text", "</body>"}));
  Rewrite(2, {});
  EXPECT_FALSE(std::filesystem::exists(area_.Path("page_01.htm")));
}

}  // namespace
}  // namespace docbase
