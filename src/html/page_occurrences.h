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

#include "base/status.h"
#include "base/text.h"
#include "html/decimal_text.h"
#include "html/index_tables.h"
#include "html/occurrence_record.h"
#include "io/record_file.h"
#include "words/word_records.h"

namespace docbase {

class PageOccurrences {
 public:
  // `word_lookup` is scratch space shared by the pages read one after the
  // other (a hash table of the page's words, a few slots per word).
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
  // The first slot of `word` in the page's table of words.
  size_t SlotOf(uint32_t word) const {
    return static_cast<size_t>((word * 0x9E3779B97F4A7C15ull) >> 32) &
           slot_mask_;
  }

  const IndexTables& tables_;
  uint32_t page_;
  RecordStream<StoredOccurrence> stream_;
  Status status_;
  bool next_pages_loaded_ = false;
  // The page's word records, and a table of the places of their records
  // there by word (open addressing, kNoRecord in an empty slot): its size
  // follows the page, not the vocabulary, so that each thread's pages cost
  // little memory.
  static constexpr uint32_t kNoRecord = UINT32_MAX;
  std::vector<StoredPageWord> page_words_;
  std::vector<uint32_t>& record_of_word_;
  size_t slot_mask_ = 0;
  uint32_t word_ = 0;
  WordIdText id_{0};
  DecimalText k_{0};
};

}  // namespace docbase
