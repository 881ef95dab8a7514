// The record sources the run's page writers read: the occurrences of a
// page group and the word-and-page records, taken from the work files and
// the tables of the indexing phases (IndexTables) and turned into the texts
// the pages show.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "base/text.h"
#include "html/decimal_text.h"
#include "html/index_tables.h"
#include "html/occurrence_record.h"
#include "html/page_occurrences.h"
#include "words/word_pages_by_group.h"
#include "words/word_records.h"

namespace docbase {

// The occurrences of the pages of one group, or of some of its pages, page
// by page.
class GroupOccurrences : public OccurrenceSource {
 public:
  enum class Order {
    kDocument,  // by line, then column
    kTable,     // by line, then column as the tables order it (as text)
  };
  // Whether each record carries its next page and the last occurrence
  // number on its page (the rewritten pages link on to them; the search
  // pages, read in table order, do not: that order never carries them).
  enum class NextPages { kLeftOut, kCarried };
  GroupOccurrences(const IndexTables& tables, int64_t group, Order order,
                   NextPages next_pages);
  // Only `pages`, page numbers in page order.
  GroupOccurrences(const IndexTables& tables, std::span<const uint32_t> pages,
                   Order order, NextPages next_pages);

  bool Next(OccurrenceRecord* record) override;
  Status status() const override { return status_; }

 private:
  bool NextInDocumentOrder(OccurrenceRecord* record);
  bool FillLine();

  const IndexTables& tables_;
  const std::span<const uint32_t> pages_;
  const Order order_;
  const NextPages next_pages_;
  size_t next_page_ = 0;
  std::unique_ptr<PageOccurrences> page_;
  std::vector<uint32_t> word_lookup_;  // shared by the pages
  Status status_;

  // Table order: one line's records, sorted; the texts are made as they
  // are handed out. A line may be a whole text of many megabytes, so each
  // record is held small: what the line's records share (page, line,
  // origin) is kept once, in line_start_.
  struct Held {
    const char* word;  // the word as found, in the vocabulary
    uint32_t word_size;
    uint32_t column;
    uint32_t k;
    uint32_t id_number;
  };
  void Hold(const OccurrenceRecord& record, uint32_t id_number);
  OccurrenceRecord line_start_;
  std::vector<Held> line_;
  size_t line_next_ = 0;
  bool have_ahead_ = false;
  OccurrenceRecord ahead_;  // its id and k_text are not kept
  uint32_t ahead_id_number_ = 0;
  WordIdText id_{0};
  DecimalText k_{0};
};

// Turns word-and-page records into entries, each checked against the
// tables: a record naming a page, word or spelling beyond them is damage of
// the table's work file, and ends the pass.
class WordPageEntries {
 public:
  explicit WordPageEntries(const IndexTables& tables) : tables_(tables) {}

  // The next record of `reader` as `entry`, whose views stay valid until
  // the next call; false at the end or on an error (see status()). One
  // instance reads from one reader.
  template <typename Reader>
  bool Next(Reader& reader, WordPageEntry* entry) {
    if (!status_.ok()) return false;
    // The records come in word order, and a word's spelling and number
    // lie anywhere in tables larger than the caches: the records are read
    // kAhead on, and what each one looks up is fetched in two steps while
    // the ones before it are written (the spelling's entry as it is read,
    // the text the entry points to half way).
    while (!reader_ended_ && ahead_ < kAhead) {
      StoredWordPage& next = held_[(first_ + ahead_) % kAhead];
      if (!reader.Next(&next)) {
        reader_ended_ = true;
        break;
      }
      PrefetchEntry(next);
      ++ahead_;
    }
    if (ahead_ == 0) return false;
    if (ahead_ > kAhead / 2) {
      PrefetchText(held_[(first_ + kAhead / 2) % kAhead]);
    }
    const StoredWordPage record = held_[first_];
    first_ = (first_ + 1) % kAhead;
    --ahead_;
    status_ = Fill(record, entry);
    return status_.ok();
  }
  template <typename Reader>
  Status status(const Reader& reader) const {
    return status_.ok() ? reader.status() : status_;
  }

 private:
  static constexpr size_t kAhead = 16;
  void PrefetchEntry(const StoredWordPage& record) const;
  void PrefetchText(const StoredWordPage& record) const;
  Status Fill(const StoredWordPage& record, WordPageEntry* entry);

  const IndexTables& tables_;
  Status status_;
  WordIdText id_{0};
  DecimalText first_k_{0};
  StoredWordPage held_[kAhead];
  size_t first_ = 0;
  size_t ahead_ = 0;
  bool reader_ended_ = false;
};

// The word-and-page records of all groups in word-id order, then page
// order, read from the table: the main index.
class TableWordPages : public WordPageSource {
 public:
  explicit TableWordPages(const IndexTables& tables)
      : tables_(tables), entries_(tables) {}
  // Starts the pass; call before Next.
  Status Open() { return tables_.word_pages.Open(&reader_); }

  bool Next(WordPageEntry* entry) override {
    return entries_.Next(reader_, entry);
  }
  Status status() const override { return entries_.status(reader_); }

 private:
  const IndexTables& tables_;
  WordPageEntries entries_;
  WordPageTable::Reader reader_;
};

// The same for the pages of one group, read from the records sorted by
// group (groups in increasing order): a word index page.
class GroupWordPages : public WordPageSource {
 public:
  GroupWordPages(const IndexTables& tables, WordPagesByGroup& by_group,
                 int64_t group)
      : by_group_(by_group), group_(group), entries_(tables) {}
  // Starts the pass; call before Next.
  Status Open() { return by_group_.Open(group_, &reader_); }

  bool Next(WordPageEntry* entry) override {
    return entries_.Next(reader_, entry);
  }
  Status status() const override { return entries_.status(reader_); }

 private:
  WordPagesByGroup& by_group_;
  const int64_t group_;
  WordPageEntries entries_;
  WordPagesByGroup::Reader reader_;
};

}  // namespace docbase
