// PageOccurrences reads the occurrences of one page from the occurrence
// work file, in document order, and gives each as the texts the page
// writers put into the pages: page name, word as found, word id and
// occurrence number, and (after LoadNextPages) the next page holding the
// word and the number of the word's last occurrence on the page.
// GroupOccurrences (html/table_sources.h) reads a group through it.
//
// The records are checked as they are read: against the page's checksums
// in the census, and every number used to look something up against the
// size of its table. A damaged work file gives an error naming it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/record_file.h"
#include "common/status.h"
#include "common/text.h"
#include "html/decimal_text.h"
#include "html/index_tables.h"
#include "html/occurrence_record.h"
#include "words/word_records.h"

namespace docbase {

class PageOccurrences {
 public:
  // `word_lookup` is scratch space shared by the pages read one after the
  // other (a slot per word of the vocabulary).
  PageOccurrences(const IndexTables& tables, uint32_t page,
                  std::vector<uint32_t>* word_lookup);

  // Reads the page's word records, so that each record Next gives carries
  // its next page and the last occurrence number on the page.
  Status LoadNextPages();

  // The next occurrence; the views stay valid until the next call. False
  // at the end of the page or on an error (see status()).
  bool Next(OccurrenceRecord* record);
  const Status& status() const { return status_; }

  // The word (lower-cased, a Vocabulary number) last returned by Next.
  uint32_t word() const { return word_; }

 private:
  void PrefetchAhead() const;

  const IndexTables& tables_;
  uint32_t page_;
  RecordStream<StoredOccurrence> stream_;
  Status status_;
  bool next_pages_loaded_ = false;
  // The page's word records, and by word the place of its record there
  // (valid for the page's words only).
  std::vector<StoredPageWord> page_words_;
  std::vector<uint32_t>& record_of_word_;
  uint32_t word_ = 0;
  WordIdText id_{0};
  DecimalText k_{0};
};

}  // namespace docbase
