// The binary records of the indexing work files (workarea/file_names.h).
// Numbers stand for texts kept in memory: a spelling or word number is one
// of the Vocabulary's, a page number an index into the run's page list, a
// rank the position of a word in word-id order.
#pragma once

#include <cstdint>

namespace docbase {

inline constexpr uint32_t kNoPage = UINT32_MAX;

// One word occurrence. The page is implied by the place of the record: the
// records of each page lie together, pages in document order, and within a
// page by line, then column.
struct StoredOccurrence {
  uint32_t spelling;
  uint32_t k;  // occurrence number of the word, from 1
  uint32_t line;
  uint32_t column;
};

// One word on one page (the page implied by the place of the record, as
// above): how often it occurs there, its first occurrence there (by line,
// then column) and the occurrence number of its last one.
struct StoredPageWord {
  uint32_t word;
  uint32_t count;
  uint32_t first_k;
  uint32_t first_spelling;
  uint32_t last_k;
  uint32_t next_page;  // the next page holding the word, or kNoPage
};

// The same in word-id order, for the word index and the main index.
struct StoredWordPage {
  uint32_t rank;
  uint32_t page;
  uint32_t word;
  uint32_t count;
  uint32_t first_k;
  uint32_t first_spelling;
};

}  // namespace docbase
