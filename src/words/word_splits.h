// The word splits: for every word on every page, the next page in page
// order that holds the word, written into the page-word file in place; and
// the same records in word-id order (WordPageTable), for the word index
// pages and the main index. One pass over the page-word file, from the last
// page to the first, keeping the last page seen of each word. Each page's
// block is checked against its checksum before it is used, and the census
// takes the checksum of the block as rewritten.
#pragma once

#include "base/status.h"
#include "words/word_census.h"
#include "words/word_ids.h"
#include "words/word_page_table.h"
#include "workarea/work_area.h"

namespace docbase {

Status SplitWordsByGroup(const WorkArea& area, WordCensus* census,
                         const WordIds& ids, WordPageTable* table);

}  // namespace docbase
