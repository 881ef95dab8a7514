#include "html/page_occurrences.h"

#include "base/prefetch.h"

namespace docbase {

PageOccurrences::PageOccurrences(const IndexTables& tables, uint32_t page,
                                 std::vector<uint32_t>* word_lookup)
    : tables_(tables),
      page_(page),
      stream_(tables.occurrences, tables.census.pages[page].first_occurrence,
              tables.census.pages[page].occurrences,
              tables.census.pages[page].occurrence_checksum),
      record_of_word_(*word_lookup) {}

Status PageOccurrences::LoadNextPages() {
  const PageTally& tally = tables_.census.pages[page_];
  DOCBASE_RETURN_IF_ERROR(ReadCheckedRecords(
      tables_.page_words, tally.first_page_word, tally.page_words,
      tally.page_word_checksum, &page_words_));
  const size_t words = tables_.census.vocabulary.word_count();
  size_t slots = 16;
  while (slots < 2 * page_words_.size()) slots *= 2;
  record_of_word_.assign(slots, kNoRecord);
  slot_mask_ = slots - 1;
  const size_t pages = tables_.census.pages.size();
  for (uint32_t at = 0; at < page_words_.size(); ++at) {
    const StoredPageWord& record = page_words_[at];
    const bool next_in_range =
        record.next_page == kNoPage ||
        (record.next_page > page_ && record.next_page < pages);
    if (record.word >= words || !next_in_range) {
      return tables_.page_words.Damaged();
    }
    size_t slot = SlotOf(record.word);
    while (record_of_word_[slot] != kNoRecord) slot = (slot + 1) & slot_mask_;
    record_of_word_[slot] = at;
  }
  next_pages_loaded_ = true;
  return Status::Ok();
}

// The tables an occurrence is looked up in grow with the vocabulary and
// are read in no useful order, so in a large run most look-ups would wait
// for memory one after the other. The records ahead are in the buffer: the
// entry of the spelling kFarAhead records on is fetched first, and by the
// time that record is kNearAhead records on, the tables its word is looked
// up in are fetched too.
void PageOccurrences::PrefetchAhead() const {
  constexpr size_t kFarAhead = 16;
  constexpr size_t kNearAhead = 8;
  const Vocabulary& vocabulary = tables_.census.vocabulary;
  const StoredOccurrence* far = stream_.Ahead(kFarAhead);
  if (far != nullptr && far->spelling < vocabulary.spelling_count()) {
    vocabulary.PrefetchEntry(far->spelling);
  }
  const StoredOccurrence* near = stream_.Ahead(kNearAhead);
  if (near == nullptr || near->spelling >= vocabulary.spelling_count()) return;
  vocabulary.PrefetchText(near->spelling);
  const uint32_t word = vocabulary.word_of(near->spelling);
  if (word >= tables_.ids.number_of_word.size()) return;
  Prefetch(&tables_.ids.number_of_word[word]);
  if (next_pages_loaded_) Prefetch(&record_of_word_[SlotOf(word)]);
}

bool PageOccurrences::Next(OccurrenceRecord* record) {
  StoredOccurrence stored;
  if (!status_.ok() || !stream_.Next(&stored)) {
    if (status_.ok()) status_ = stream_.status();
    return false;
  }
  PrefetchAhead();
  const Vocabulary& vocabulary = tables_.census.vocabulary;
  const uint32_t word = stored.spelling < vocabulary.spelling_count()
                            ? vocabulary.word_of(stored.spelling)
                            : Vocabulary::kNoWord;
  if (word == Vocabulary::kNoWord) {  // no occurrence of such a word is kept
    status_ = tables_.occurrences.Damaged();
    return false;
  }
  word_ = word;
  id_ = WordIdText(tables_.ids.number_of_word[word]);
  k_ = DecimalText(stored.k);
  record->page = tables_.census.pages[page_].name;
  record->origin = &tables_.census.pages[page_].origin;
  record->line = stored.line;
  record->column = stored.column;
  record->word = vocabulary.spelling(stored.spelling);
  record->id = id_.view();
  record->k_text = k_.view();
  record->k = stored.k;
  record->next = {};
  record->last_on_page = 0;
  if (next_pages_loaded_) {
    // A word of the page is found before an empty slot; one that is not
    // there means a damaged file.
    size_t slot = SlotOf(word);
    uint32_t at = record_of_word_[slot];
    while (at != kNoRecord && at < page_words_.size() &&
           page_words_[at].word != word) {
      slot = (slot + 1) & slot_mask_;
      at = record_of_word_[slot];
    }
    if (at >= page_words_.size() || page_words_[at].word != word) {
      status_ = tables_.page_words.Damaged();
      return false;
    }
    const StoredPageWord& on_page = page_words_[at];
    if (on_page.next_page != kNoPage) {
      record->next = tables_.census.pages[on_page.next_page].name;
    }
    record->last_on_page = on_page.last_k;
  }
  return true;
}

}  // namespace docbase
