#include "words/word_page_table.h"

#include <algorithm>

namespace docbase {

WordPageTable::WordPageTable(std::filesystem::path run_path,
                             size_t budget_bytes)
    : run_path_(std::move(run_path)), budget_bytes_(budget_bytes) {}

Status WordPageTable::Add(const StoredWordPage& record) {
  records_.push_back(record);
  return Status::Ok();
}

Status WordPageTable::Finish() {
  std::sort(records_.begin(), records_.end(),
            [](const StoredWordPage& a, const StoredWordPage& b) {
              return a.rank != b.rank ? a.rank < b.rank : a.page < b.page;
            });
  return Status::Ok();
}

}  // namespace docbase
