// WordPageTable holds one record per word and page in word-id order, then
// page order: the order the word index pages and the main index read. The
// records are added in any order; what exceeds the memory budget is sorted
// in runs on disk and merged as the table is read. It can be read several
// times.
#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

#include "common/status.h"
#include "words/word_records.h"

namespace docbase {

class WordPageTable {
 public:
  WordPageTable(std::filesystem::path run_path, size_t budget_bytes);

  Status Add(const StoredWordPage& record);
  // Call once, after the last Add.
  Status Finish();

  // One pass over the records in order.
  class Reader {
   public:
    explicit Reader(const WordPageTable& table) : table_(table) {}
    // False at the end or on an error (see status()).
    bool Next(StoredWordPage* record) {
      if (next_ == table_.records_.size()) return false;
      *record = table_.records_[next_++];
      return true;
    }
    Status status() const { return Status::Ok(); }

   private:
    const WordPageTable& table_;
    size_t next_ = 0;
  };

 private:
  std::filesystem::path run_path_;
  size_t budget_bytes_;
  std::vector<StoredWordPage> records_;
};

}  // namespace docbase
