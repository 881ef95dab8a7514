#include "words/word_splits.h"

#include <vector>

#include "io/checksum.h"
#include "io/record_file.h"
#include "workarea/file_names.h"

namespace docbase {

Status SplitWordsByGroup(const WorkArea& area, WordCensus* census,
                         const WordIds& ids, WordPageTable* table) {
  RecordFile page_words;
  DOCBASE_RETURN_IF_ERROR(page_words.Open(
      PageWordFile(area), census->page_words * sizeof(StoredPageWord)));
  std::vector<uint32_t> later_page(census->vocabulary.word_count(), kNoPage);
  std::vector<StoredPageWord> block;
  for (size_t page = census->pages.size(); page-- > 0;) {
    PageTally& tally = census->pages[page];
    if (tally.page_words == 0) continue;
    DOCBASE_RETURN_IF_ERROR(
        ReadCheckedRecords(page_words, tally.first_page_word, tally.page_words,
                           tally.page_word_checksum, &block));
    for (StoredPageWord& record : block) {
      if (record.word >= later_page.size()) return page_words.Damaged();
      record.next_page = later_page[record.word];
      later_page[record.word] = static_cast<uint32_t>(page);
      DOCBASE_RETURN_IF_ERROR(table->Add(StoredWordPage{
          ids.rank_of_word[record.word], static_cast<uint32_t>(page),
          record.word, record.count, record.first_k, record.first_spelling}));
    }
    RecordChecksum filled;
    filled.Add(block.data(), block.size());
    tally.page_word_checksum = filled.value();
    DOCBASE_RETURN_IF_ERROR(
        WriteRecords(page_words, tally.first_page_word, block));
  }
  return table->Finish();
}

}  // namespace docbase
