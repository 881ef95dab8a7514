// WordCensus is what word extraction learns about the run's words and
// pages and hands to the later phases in memory: the distinct words, how
// often each occurs, and where the records of every page lie in the work
// files (workarea/file_names.h) with what they must read back as.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/page_origin.h"
#include "words/vocabulary.h"

namespace docbase {

struct PageTally {
  std::string listed_name;  // as listed in the program directory
  std::string name;         // lower-cased: the page name every page writes
  PageOrigin origin;        // where its bytes come from
  uint64_t first_occurrence = 0;  // in the occurrence file
  uint64_t occurrences = 0;
  uint64_t first_page_word = 0;  // in the page-word file
  uint64_t page_words = 0;
  // The checksums (io/checksum.h) of the page's records in the two
  // files as last written: the page-word one changes when the word splits
  // fill in the next pages.
  uint64_t occurrence_checksum = 0;
  uint64_t page_word_checksum = 0;
};

struct WordCensus {
  Vocabulary vocabulary;
  std::vector<uint32_t> word_counts;  // occurrences, by word
  std::vector<PageTally> pages;       // every listed page, in list order
  uint64_t occurrences = 0;
  uint64_t page_words = 0;
};

}  // namespace docbase
