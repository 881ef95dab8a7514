// IndexTables bundles what the indexing phases leave for the output pages:
// the census of words and pages, the word ids, the page groups and the
// word-and-page table, plus the two occurrence work files, opened once.
#pragma once

#include "io/record_file.h"
#include "words/page_groups.h"
#include "words/word_census.h"
#include "words/word_ids.h"
#include "words/word_page_table.h"

namespace docbase {

struct IndexTables {
  const WordCensus& census;
  const WordIds& ids;
  const PageGroups& groups;
  const WordPageTable& word_pages;
  const RecordFile& occurrences;
  const RecordFile& page_words;
};

}  // namespace docbase
