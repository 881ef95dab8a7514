#include "html/occurrence_bounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "common/quoted_record.h"
#include "common/test_support.h"
#include "common/text.h"
#include "workarea/work_area.h"

namespace docbase {
namespace {

struct Occurrence {
  std::string page;
  int line;
  int column;
  std::string word;
  std::string id;
  uint64_t k = 0;
};

// The bound as the word list file defines it: count its lines up to the
// first one of the page, then on while they stay on the page.
uint64_t BoundFromWordList(const std::filesystem::path& word_list,
                           const std::string& page) {
  LineReader reader;
  EXPECT_TRUE(reader.Open(word_list).ok());
  std::vector<std::string_view> fields;
  std::string_view line;
  uint64_t count = 0;
  bool on_page = false;
  while (reader.Next(&line)) {
    SplitQuotedRecord(line, &fields);
    const bool here = fields[0] == page;
    if (on_page && !here) break;
    ++count;
    on_page = on_page || here;
  }
  return count;
}

// Occurrences numbered and listed the way the word tables do it (by
// lower-cased word, page, line, word as found, column), spellings that
// differ in case and occur on one line in reverse column order included.
TEST(OccurrenceBoundsTest, EqualsTheCountOverTheWordListFile) {
  testing::TempFolder folder;
  WorkArea area(folder.path());
  std::vector<Occurrence> occurrences = {
      {"page_01.htm", 2, 5, "apple", "", 0},
      {"page_01.htm", 2, 11, "Apple", "", 0},
      {"page_01.htm", 3, 1, "pear", "", 0},
      {"page_02.htm", 1, 1, "pear", "", 0},
      {"page_02.htm", 1, 6, "APPLE", "", 0},
      {"page_02.htm", 4, 2, "apple", "", 0},
      {"page_03.htm", 1, 1, "pear", "", 0},
      {"page_03.htm", 2, 9, "page_01.htm", "", 0},
      {"page_04.htm", 5, 5, "apple", "", 0},
  };
  auto word_table_order = [](const Occurrence& a, const Occurrence& b) {
    return std::make_tuple(ToLowerAscii(a.word), a.page, a.line, a.word,
                           a.column) <
           std::make_tuple(ToLowerAscii(b.word), b.page, b.line, b.word,
                           b.column);
  };
  std::sort(occurrences.begin(), occurrences.end(), word_table_order);
  std::map<std::string, LineWriter> word_lists;
  std::string previous_lc;
  for (size_t i = 0; i < occurrences.size(); ++i) {
    Occurrence& o = occurrences[i];
    const std::string lc = ToLowerAscii(o.word);
    if (i == 0 || lc != previous_lc) {
      o.id = WordId(i);
      o.k = 1;
      ASSERT_TRUE(word_lists[o.id].Open(area.Path(o.id + ".txt")).ok());
    } else {
      o.id = occurrences[i - 1].id;
      o.k = occurrences[i - 1].k + 1;
    }
    previous_lc = lc;
    word_lists[o.id].WriteRecord({o.page, BlankPadded(o.line, 10),
                                  BlankPadded(o.column, 6), o.word, o.id});
  }
  for (auto& [id, writer] : word_lists) ASSERT_TRUE(writer.Close().ok());

  std::sort(occurrences.begin(), occurrences.end(),
            [](const Occurrence& a, const Occurrence& b) {
              return std::tie(a.page, a.line, a.column) <
                     std::tie(b.page, b.line, b.column);
            });
  LineWriter group;
  ASSERT_TRUE(group.Open(area.Path("wrd_24_1.txt")).ok());
  for (const Occurrence& o : occurrences) {
    group.WriteRecord({o.page, BlankPadded(o.line, 10),
                       BlankPadded(o.column, 6), o.word, o.id,
                       std::to_string(o.k), ""});
  }
  ASSERT_TRUE(group.Close().ok());

  PageOccurrenceBounds bounds;
  ASSERT_TRUE(bounds.Open(area.Path("wrd_24_1.txt")).ok());
  std::string loaded;
  int compared = 0;
  for (const Occurrence& o : occurrences) {
    if (o.page != loaded) {
      ASSERT_TRUE(bounds.LoadPage(o.page).ok());
      loaded = o.page;
    }
    EXPECT_EQ(bounds.LastOnPage(o.id),
              BoundFromWordList(area.Path(o.id + ".txt"), o.page))
        << o.page << " " << o.word;
    ++compared;
  }
  EXPECT_EQ(compared, 9);
  // "apple" on page 1: its two spellings have k = 2 (column 5) and k = 1
  // (column 11); the bound is 2 on page 1 and 4 on page 2.
  ASSERT_TRUE(bounds.Open(area.Path("wrd_24_1.txt")).ok());
  ASSERT_TRUE(bounds.LoadPage("page_01.htm").ok());
  EXPECT_EQ(bounds.LastOnPage(WordId(0)), 2u);
  EXPECT_EQ(bounds.LastOnPage("id99999999"), 0u);
  ASSERT_TRUE(bounds.LoadPage("page_02.htm").ok());
  EXPECT_EQ(bounds.LastOnPage(WordId(0)), 4u);
}

}  // namespace
}  // namespace docbase
