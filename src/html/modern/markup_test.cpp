#include "html/modern/markup.h"

#include <gtest/gtest.h>

#include <string>

#include "base/test_support.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;

// What `write` writes into a file of its own.
template <typename Write>
std::string Written(Write write) {
  TempFolder folder;
  LineWriter out;
  EXPECT_TRUE(out.Open(folder.path() / "out.htm").ok());
  write(out);
  EXPECT_TRUE(out.Close().ok());
  return ReadFile(folder.path() / "out.htm");
}

TEST(ModernMarkupTest, DataIsEscapedAndQueriesEncodedByteForByte) {
  EXPECT_EQ(Written([](LineWriter& out) { WriteEscaped(out, "a<b>&\"c'"); }),
            "a&lt;b&gt;&amp;&quot;c'");
  Settings state;
  state.search_host = "www.google.com";
  // The decoded query is the classic one: the phrase (with its last blank),
  // " site:" and the site; bytes beyond ASCII stay the same bytes.
  EXPECT_EQ(Written([&](LineWriter& out) {
              WriteWebSearchLink(out, state, "r\xc3\xa9sum\xc3\xa9 a&b#c ",
                                 "www.x.org", "www.x.org");
            }),
            "<a class=\"web\" href=\"http://www.google.com/search?q="
            "r%C3%A9sum%C3%A9%20a%26b%23c%20%20site%3Awww.x.org\">"
            "www.x.org</a>");
}

// The escaper and the text check step over plain bytes eight at a time:
// a byte that matters must be found at every place of a long text, and
// next to another one.
TEST(ModernMarkupTest, EveryByteThatMattersIsFoundWhereverItStands) {
  const std::string plain(21, 'w');
  for (size_t at = 0; at < plain.size(); ++at) {
    for (const char* special : {"&", "<", ">", "\"", "&<"}) {
      std::string text = plain;
      text.insert(at, special);
      std::string expected;
      for (char c : text) {
        if (c == '&') expected += "&amp;";
        else if (c == '<') expected += "&lt;";
        else if (c == '>') expected += "&gt;";
        else if (c == '"') expected += "&quot;";
        else expected += c;
      }
      std::string escaped;
      AppendEscaped(&escaped, text);
      EXPECT_EQ(escaped, expected) << text;
    }
    for (const char* odd : {"\x01", "\x1f", "\x7f", "\xff", "\xc3"}) {
      std::string text = plain;
      text.insert(at, odd);
      EXPECT_FALSE(SurvivesAsText(text)) << at;
    }
    std::string text = plain;
    EXPECT_TRUE(SurvivesAsText(text.insert(at, "\t")));
    EXPECT_TRUE(SurvivesAsText(text.insert(at, "\xc3\xa9 ~")));
  }
}

TEST(ModernMarkupTest, BlocksHoldAtMostTheirNumberOfEntries) {
  EXPECT_EQ(Written([](LineWriter& out) {
              Blocks blocks(out, "wi", 2);
              for (int i = 0; i < 3; ++i) {
                blocks.Entry();
                out.WriteLine("e");
              }
              blocks.Finish();
              blocks.Finish();
            }),
            "<div class=\"blk wi\">\r\ne\r\ne\r\n</div>\r\n"
            "<div class=\"blk wi\">\r\ne\r\n</div>\r\n");
}

// A block full by its bytes ends before the next entry, unless that entry
// may not end it; the opening tag learns the number of its first entry.
TEST(ModernMarkupTest, BlocksEndByBytesWhereTheyMay) {
  EXPECT_EQ(Written([](LineWriter& out) {
              Blocks blocks(
                  out, Blocks::Limits{100, 4},
                  [](LineWriter& to, uint64_t first) {
                    to.Write("<ol start=\"" + std::to_string(first) + "\">");
                  },
                  "</ol>");
              for (bool may_end : {true, true, false, true}) {
                blocks.Entry(may_end);
                out.Write("ab");
                blocks.AddBytes(2);
              }
              blocks.Finish();
            }),
            "<ol start=\"1\">ababab</ol>\r\n<ol start=\"4\">ab</ol>\r\n");
}

}  // namespace
}  // namespace docbase
