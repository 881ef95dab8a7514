#include "html/table_sources.h"

#include <algorithm>

#include "base/prefetch.h"
#include "words/table_order.h"

namespace docbase {

GroupOccurrences::GroupOccurrences(const IndexTables& tables, int64_t group,
                                   Order order, NextPages next_pages)
    : GroupOccurrences(tables, tables.groups.pages_of_group[group - 1], order,
                       next_pages) {}

GroupOccurrences::GroupOccurrences(const IndexTables& tables,
                                   std::span<const uint32_t> pages, Order order,
                                   NextPages next_pages)
    : tables_(tables),
      pages_(pages),
      order_(order),
      next_pages_(order == Order::kTable ? NextPages::kLeftOut : next_pages) {}

bool GroupOccurrences::NextInDocumentOrder(OccurrenceRecord* record) {
  while (status_.ok()) {
    if (page_ && page_->Next(record)) return true;
    if (page_) status_ = page_->status();
    if (!status_.ok() || next_page_ == pages_.size()) return false;
    page_ = std::make_unique<PageOccurrences>(tables_, pages_[next_page_++],
                                              &word_lookup_);
    if (next_pages_ == NextPages::kCarried) status_ = page_->LoadNextPages();
  }
  return false;
}

void GroupOccurrences::Hold(const OccurrenceRecord& record,
                            uint32_t id_number) {
  // Every number fits: the run stops short of 2^32 occurrences, and the
  // work files keep columns in 32 bits.
  line_.push_back(Held{record.word.data(),
                       static_cast<uint32_t>(record.word.size()),
                       static_cast<uint32_t>(record.column),
                       static_cast<uint32_t>(record.k), id_number});
}

// Reads the records of the next line (same page, same line) into line_.
bool GroupOccurrences::FillLine() {
  line_.clear();
  line_next_ = 0;
  if (!have_ahead_) {
    if (!NextInDocumentOrder(&ahead_)) return false;
    ahead_id_number_ = tables_.ids.number_of_word[page_->word()];
  }
  have_ahead_ = false;
  line_start_ = ahead_;
  Hold(ahead_, ahead_id_number_);
  OccurrenceRecord record;
  while (NextInDocumentOrder(&record)) {
    const uint32_t id_number = tables_.ids.number_of_word[page_->word()];
    if (record.page.data() != line_start_.page.data() ||
        record.line != line_start_.line) {
      ahead_ = record;
      ahead_id_number_ = id_number;
      have_ahead_ = true;
      break;
    }
    Hold(record, id_number);
  }
  // Only a line past 999,999 bytes can be out of the tables' order.
  if (line_.back().column >= 1000000) {
    std::stable_sort(line_.begin(), line_.end(),
                     [](const Held& a, const Held& b) {
                       return ColumnLess(a.column, b.column);
                     });
  }
  return true;
}

bool GroupOccurrences::Next(OccurrenceRecord* record) {
  if (order_ == Order::kDocument) return NextInDocumentOrder(record);
  if (line_next_ == line_.size() && !FillLine()) return false;
  const Held& held = line_[line_next_++];
  *record = line_start_;
  record->column = held.column;
  record->word = std::string_view(held.word, held.word_size);
  record->k = held.k;
  record->next = {};
  record->last_on_page = 0;
  id_ = WordIdText(held.id_number);
  k_ = DecimalText(held.k);
  record->id = id_.view();
  record->k_text = k_.view();
  return true;
}

void WordPageEntries::PrefetchEntry(const StoredWordPage& record) const {
  const Vocabulary& vocabulary = tables_.census.vocabulary;
  if (record.first_spelling < vocabulary.spelling_count()) {
    vocabulary.PrefetchEntry(record.first_spelling);
  }
  if (record.word < tables_.ids.number_of_word.size()) {
    Prefetch(&tables_.ids.number_of_word[record.word]);
  }
}

void WordPageEntries::PrefetchText(const StoredWordPage& record) const {
  const Vocabulary& vocabulary = tables_.census.vocabulary;
  if (record.first_spelling < vocabulary.spelling_count()) {
    vocabulary.PrefetchText(record.first_spelling);
  }
}

Status WordPageEntries::Fill(const StoredWordPage& record,
                             WordPageEntry* entry) {
  if (record.page >= tables_.census.pages.size() ||
      record.word >= tables_.ids.number_of_word.size() ||
      record.first_spelling >= tables_.census.vocabulary.spelling_count()) {
    return Status::IoError(tables_.word_pages.path(), "work file is damaged");
  }
  id_ = WordIdText(tables_.ids.number_of_word[record.word]);
  first_k_ = DecimalText(record.first_k);
  entry->id = id_.view();
  entry->page = tables_.census.pages[record.page].name;
  entry->group = tables_.groups.group_of_page[record.page];
  entry->word = tables_.census.vocabulary.spelling(record.first_spelling);
  entry->first_k_text = first_k_.view();
  entry->count = record.count;
  return Status::Ok();
}

}  // namespace docbase
