#include "html/output_pass.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "html/classic/layout.h"
#include "html/page_test_fixture.h"
#include "io/record_file.h"
#include "pages/input_pages_for_test.h"
#include "words/page_groups.h"
#include "words/word_extraction.h"
#include "words/word_ids.h"
#include "words/word_splits.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

class OutputPassTest : public GeneratedPageTest {};

// Four pages in groups of two (the third group empty), indexed by the real
// phases: every group's pages are rewritten with their own group number in
// the links and their next pages, every group gets its word-index and
// search pages from its own records, and the wrd_24 folder holds the group
// entries.
TEST_F(OutputPassTest, WritesThePagesOfEveryGroup) {
  WordCensus census;
  ASSERT_TRUE(ExtractWords(area_,
                           testing::InputPages(area_, {"river one\r\n", "two\r\n",
                                                       "river three\r\n",
                                                       "four\r\n"}),
                           1, &census)
                  .ok());
  const WordIds ids = NumberWords(census);
  const PageGroups groups = BuildPageGroups(census, 2);
  ASSERT_EQ(groups.count(), 3);
  WordPageTable word_pages(WordPageRunFile(area_), 1 << 20);
  ASSERT_TRUE(SplitWordsByGroup(area_, &census, ids, &word_pages).ok());
  RecordFile occurrences, page_words;
  ASSERT_TRUE(occurrences
                  .Open(OccurrenceFile(area_),
                        census.occurrences * sizeof(StoredOccurrence))
                  .ok());
  ASSERT_TRUE(
      page_words
          .Open(PageWordFile(area_), census.page_words * sizeof(StoredPageWord))
          .ok());
  const IndexTables tables{census,     ids,         groups,
                           word_pages, occurrences, page_words};
  const std::unique_ptr<Layout> layout = MakeClassicLayout();
  layout->Prepare(tables);
  Status status = WriteGroupOutputs(area_, state_, *layout, tables, random_);
  ASSERT_TRUE(status.ok()) << status.ToString();

  // Ids: four 0, one 1, river 2, three 4, two 5.
  const std::string first = Read("page_01.htm");
  EXPECT_NE(first.find("i_1.htm#id00000002"), std::string::npos);
  EXPECT_NE(first.find("<a href=\"page_03.htm#id00000002\">&gt;&gt;)</a>"),
            std::string::npos);
  EXPECT_NE(Read("page_03.htm").find("i_2.htm#id00000002"), std::string::npos);
  const std::string index = Read("i_2.htm");
  EXPECT_NE(index.find("(page_03.htm, 1)"), std::string::npos);
  EXPECT_NE(index.find("(page_04.htm, 1)"), std::string::npos);
  EXPECT_EQ(index.find("page_01.htm"), std::string::npos);
  const std::string search = Read("s_1.htm");
  EXPECT_NE(search.find(">two</a>"), std::string::npos);
  EXPECT_EQ(search.find(">three</a>"), std::string::npos);
  EXPECT_NE(Read("files_list.htm")
                .find("<a href=\"page_03.htm\"><span id = \"page_03.htm\" >"),
            std::string::npos);
  for (const char* name : {"i_3.htm", "s_3.htm", "wrd_24/wrd_24_3.txt"}) {
    EXPECT_TRUE(std::filesystem::exists(area_.Path(name))) << name;
  }
}

}  // namespace
}  // namespace docbase
