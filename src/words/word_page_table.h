// WordPageTable holds one record per word and page in word-id order, then
// page order: the order the word index pages and the main index read. The
// records are added in any order; what exceeds the memory budget is sorted
// in runs on disk (RecordSorter) and merged as the table is read. It can be
// read several times, one reader at a time.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "base/status.h"
#include "platform/path.h"
#include "sort/record_sort.h"
#include "words/word_records.h"
#include "workarea/file_names.h"

namespace docbase {

struct WordPageOrder {
  bool operator()(const StoredWordPage& a, const StoredWordPage& b) const {
    return a.rank != b.rank ? a.rank < b.rank : a.page < b.page;
  }
};

class WordPageTable {
 public:
  using Sorter = RecordSorter<StoredWordPage, WordPageOrder>;
  using Reader = Sorter::Reader;

  // With `sort_aside`, full buffers are sorted on a thread of their own
  // while the next one fills (RecordSorter); the records come out the same.
  WordPageTable(std::filesystem::path run_path, size_t budget_bytes,
                bool sort_aside = false)
      : path_(Utf8FromPath(run_path)),
        sorter_(run_path, MergeRunFile(run_path), budget_bytes,
                WordPageOrder(), sort_aside) {}

  // The work file of the runs, for messages.
  const std::string& path() const { return path_; }

  Status Add(const StoredWordPage& record) { return sorter_.Add(record); }
  // Call once, after the last Add.
  Status Finish() { return sorter_.Finish(); }
  // Starts a pass over the records in order.
  Status Open(Reader* reader) const { return sorter_.Open(reader); }

 private:
  std::string path_;
  Sorter sorter_;
};

}  // namespace docbase
