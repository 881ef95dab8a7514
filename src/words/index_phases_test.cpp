// The indexing phases on small page sets: word extraction, word ids, page
// groups and word splits, checked through what they hand to the pages.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "base/text.h"
#include "io/record_file.h"
#include "pages/input_pages_for_test.h"
#include "words/page_groups.h"
#include "words/word_extraction.h"
#include "words/word_ids.h"
#include "words/word_splits.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

class IndexPhasesTest : public ::testing::Test {
 protected:
  // Indexes the pages page_01.htm, page_02.htm, ... made from `pages`.
  void Index(const std::vector<std::string>& pages, int64_t group_size = 9) {
    ASSERT_TRUE(ExtractWords(area_, testing::InputPages(area_, pages), 1,
                             &census_)
                    .ok());
    ids_ = NumberWords(census_);
    groups_ = BuildPageGroups(census_, group_size);
    WordPageTable table(WordPageRunFile(area_), 1 << 20);
    ASSERT_TRUE(SplitWordsByGroup(area_, &census_, ids_, &table).ok());
    WordPageTable::Reader reader;
    ASSERT_TRUE(table.Open(&reader).ok());
    StoredWordPage record;
    while (reader.Next(&record)) word_pages_.push_back(record);
    ASSERT_TRUE(reader.status().ok());
    RecordFile file;
    ASSERT_TRUE(file.Open(OccurrenceFile(area_),
                          census_.occurrences * sizeof(StoredOccurrence))
                    .ok());
    ASSERT_TRUE(ReadRecords(file, 0, census_.occurrences, &occurrences_).ok());
  }

  std::string IdOf(std::string_view spelling) {
    for (uint32_t s = 0; s < census_.vocabulary.spelling_count(); ++s) {
      if (census_.vocabulary.spelling(s) == spelling) {
        return std::string(
            WordIdText(ids_.number_of_word[census_.vocabulary.word_of(s)])
                .view());
      }
    }
    return "missing";
  }
  // "spelling@column:k" for every occurrence, in document order.
  std::string Numbers() {
    std::string text;
    for (const StoredOccurrence& o : occurrences_) {
      text += std::string(census_.vocabulary.spelling(o.spelling)) + "@" +
              std::to_string(o.column) + ":" + std::to_string(o.k) + " ";
    }
    return text;
  }

  testing::TempFolder folder_;
  WorkArea area_{folder_.path()};
  WordCensus census_;
  WordIds ids_;
  PageGroups groups_;
  std::vector<StoredWordPage> word_pages_;
  std::vector<StoredOccurrence> occurrences_;
};

// Ids count the occurrences of the words before, in field order ("abc!"
// before "abc" before "abcd"); spellings differing in ASCII case share one
// id; "&nbsp;" words are not indexed.
TEST_F(IndexPhasesTest, WordIdsFollowFieldOrderAndCounts) {
  Index({"apple apple abcd abc abc! x&NBSP;y\r\nbanana Apple banana\r\n"});
  EXPECT_EQ(IdOf("abc!"), "id00000000");
  EXPECT_EQ(IdOf("abc"), "id00000001");
  EXPECT_EQ(IdOf("abcd"), "id00000002");
  EXPECT_EQ(IdOf("apple"), "id00000003");
  EXPECT_EQ(IdOf("Apple"), "id00000003");
  EXPECT_EQ(IdOf("banana"), "id00000006");
  EXPECT_EQ(census_.occurrences, 8u);
}

// A vocabulary large enough to be sorted on two threads gets the numbers
// one thread gives.
TEST_F(IndexPhasesTest, WordIdsTheSameOnTwoThreads) {
  std::string page;
  for (int i = 0; i < 70000; ++i) {
    // Words that share their first eight bytes, and spellings of one word.
    page += i % 3 == 0 ? "Prefixed" : "prefixed";
    page += std::to_string(i * 7919 % 70001);
    page += i % 10 == 9 ? "\r\n" : " ";
  }
  Index({page});
  const WordIds one = NumberWords(census_, 1);
  const WordIds two = NumberWords(census_, 2);
  EXPECT_EQ(one.rank_of_word, two.rank_of_word);
  EXPECT_EQ(one.number_of_word, two.number_of_word);
}

// Spellings of one word on one line are numbered in field order, then by
// column; the next line goes on from there. Columns count the "<br>" the
// cleaned page puts in front of each line.
TEST_F(IndexPhasesTest, MixedSpellingsOnOneLineNumberedBySpelling) {
  Index({"paris PARIS Paris paris\r\nParis\r\n"});
  EXPECT_EQ(Numbers(), "paris@5:3 PARIS@11:1 Paris@17:2 paris@23:4 Paris@5:5 ");
}

// A line with more words than a batch of the scan holds is numbered as one
// line all the same.
TEST_F(IndexPhasesTest, ALineOfManyBatchesIsNumberedAsOne) {
  const char* const spellings[] = {"paris", "PARIS", "Paris"};
  const uint32_t n = 40000;  // of each spelling: 720 KB of words
  std::string line;
  for (uint32_t i = 0; i < 3 * n; ++i) {
    line += spellings[i % 3];
    line += ' ';
  }
  Index({line + "\r\nParis\r\n"});
  ASSERT_EQ(occurrences_.size(), 3 * n + 1);
  // By spelling in field order (PARIS, Paris, paris), then by column.
  const uint32_t first_k[] = {2 * n + 1, 1, n + 1};
  for (uint32_t i = 0; i < 3 * n; ++i) {
    ASSERT_EQ(occurrences_[i].k, first_k[i % 3] + i / 3) << i;
  }
  EXPECT_EQ(occurrences_.back().k, 3 * n + 1);
}

// Past column 999,999 the tables order columns as text: 1000045 before
// 100005. Numbers and the first occurrence of a page follow that order.
TEST_F(IndexPhasesTest, ColumnsPastAMillionFollowTextOrder) {
  // zzz at columns 100006 and 1000045 of the cleaned line, "<br>" first.
  std::string line = "<br>" + std::string(100000, 'x') + " zzz " +
                     std::string(1000043 - 100009, 'y') + " zzz";
  Index({line + "\r\n"});
  ASSERT_GE(occurrences_.size(), 2u);
  EXPECT_EQ(occurrences_[1].column, 100006u);
  EXPECT_EQ(occurrences_[1].k, 2u);
  EXPECT_EQ(occurrences_.back().column, 1000045u);
  EXPECT_EQ(occurrences_.back().k, 1u);
  for (const StoredWordPage& record : word_pages_) {
    if (census_.vocabulary.spelling(record.first_spelling) == "zzz") {
      EXPECT_EQ(record.first_k, 1u);
      EXPECT_EQ(record.count, 2u);
    }
  }
}

// Next pages skip pages without the word; a page without words is in no
// group; with a group size that divides the page count, the last group is
// empty but counts.
TEST_F(IndexPhasesTest, NextPagesAndGroups) {
  Index({"river one\r\n", "\r\n", "two\r\n", "river three\r\n"}, 3);
  EXPECT_EQ(groups_.count(), 2);
  EXPECT_EQ(groups_.pages_of_group[0], (std::vector<uint32_t>{0, 2, 3}));
  EXPECT_TRUE(groups_.pages_of_group[1].empty());
  EXPECT_EQ(groups_.group_of_page[1], 0u);
  RecordFile file;
  ASSERT_TRUE(file.Open(PageWordFile(area_),
                        census_.page_words * sizeof(StoredPageWord))
                  .ok());
  std::vector<StoredPageWord> first_page;
  const PageTally& page = census_.pages[0];
  ASSERT_TRUE(
      ReadRecords(file, page.first_page_word, page.page_words, &first_page)
          .ok());
  ASSERT_EQ(first_page.size(), 2u);  // river, one
  EXPECT_EQ(first_page[0].next_page, 3u);
  EXPECT_EQ(first_page[1].next_page, kNoPage);
  // Word order, then page order.
  ASSERT_EQ(word_pages_.size(), 5u);
  EXPECT_EQ(census_.vocabulary.spelling(word_pages_[1].first_spelling),
            "river");
  EXPECT_EQ(word_pages_[1].page, 0u);
  EXPECT_EQ(word_pages_[2].page, 3u);
}

// A count changed in the page-word file before the splits stays in range,
// so only the page's checksum shows it: the splits stop with an error that
// names the file.
TEST_F(IndexPhasesTest, SplitsCatchAChangedPageWordRecord) {
  ASSERT_TRUE(ExtractWords(area_,
                           testing::InputPages(area_, {"river river one\r\n"}),
                           1, &census_)
                  .ok());
  ids_ = NumberWords(census_);
  {
    RecordFile file;
    ASSERT_TRUE(file.Open(PageWordFile(area_),
                          census_.page_words * sizeof(StoredPageWord))
                    .ok());
    const uint32_t count = 3;
    ASSERT_TRUE(
        file.WriteAt(offsetof(StoredPageWord, count), &count, sizeof(count))
            .ok());
  }
  WordPageTable table(WordPageRunFile(area_), 1 << 20);
  Status status = SplitWordsByGroup(area_, &census_, ids_, &table);
  EXPECT_TRUE(status.io_error());
  EXPECT_EQ(status.path(), PageWordFile(area_).string());
}

}  // namespace
}  // namespace docbase
