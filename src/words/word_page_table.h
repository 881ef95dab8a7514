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

  // Calls visit(record) for every record in order; visit returns a Status,
  // and a record that is not ok ends the pass with it.
  template <typename Visit>
  Status ForEach(Visit visit) const {
    for (const StoredWordPage& record : records_) {
      DOCBASE_RETURN_IF_ERROR(visit(record));
    }
    return Status::Ok();
  }

 private:
  std::filesystem::path run_path_;
  size_t budget_bytes_;
  std::vector<StoredWordPage> records_;
};

}  // namespace docbase
